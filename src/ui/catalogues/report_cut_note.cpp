#include "report_cut_note.h"

#include "ui/widgets/qt_text.h"

#include <QLabel>
#include <QLineEdit>

namespace kestrelon {
namespace {

// Dark amber: noticed beside black field captions without looking like an error.
const QColor kNoteColour(150, 75, 0);

void showNote(QLabel& note, QLineEdit& field, ReportCopy copy) {
    const QString text = fromCp1251(reportCutNote(copy, toCp1251(field.text())));
    note.setText(text);
    note.setVisible(!text.isEmpty());
    field.setAccessibleDescription(text);
}

} // namespace

QLabel* makeReportCutNote(QLineEdit* field, ReportCopy copy) {
    auto* note = new QLabel(field->parentWidget());
    note->setObjectName(field->objectName() + QStringLiteral("Note"));
    note->setWordWrap(true);
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, kNoteColour);
    note->setPalette(palette);
    note->hide();
    QObject::connect(field, &QLineEdit::textChanged, note,
                     [note, field, copy] { showNote(*note, *field, copy); });
    return note;
}

} // namespace kestrelon
