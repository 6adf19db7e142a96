#include "tform_save.h"

#include "catalogues/firm_text_card.h"
#include "render/printer_library.h"
#include "store/file_set.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/first_focus.h"
#include "ui/widgets/plain_text_memo.h"
#include "ui/widgets/qt_text.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

// On the default printer, through the printer library loaded at the first print.
QString printOnDefaultPrinter(const QStringList& lines, const QFont& font) {
    try {
        const QString job = QStringLiteral("Реквизиты");
        QString error;
        printerLibrary().kestrelon_print_lines(&lines, &font, &job, &error);
        return error;
    } catch (const MissingLibrary& missing) {
        return printerLibraryMissingText(missing);
    }
}

QString askSaveFileName(QWidget* parent) {
    // The filter shows ".txt" and lists the text files of the folder.
    return QFileDialog::getSaveFileName(parent, QString(), QString(),
                                        QStringLiteral(".txt (*.txt)"));
}

} // namespace

TFormSave::TFormSave(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), askFileName_([this] { return askSaveFileName(this); }),
      printLines_(printOnDefaultPrinter) {
    setObjectName(QStringLiteral("FormSave"));
    setWindowTitle(QStringLiteral("FormSave"));

    memo1_ = new PlainTextMemo(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo1_->setAccessibleName(QStringLiteral("Реквизиты организации"));

    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QStringLiteral("ButtonSave"));
    save->setToolTip(QStringLiteral("Сохранить платежку"));
    auto* print = new QPushButton(QStringLiteral("Print"), this);
    print->setObjectName(QStringLiteral("ButtonPrint"));
    print->setToolTip(QStringLiteral("Печать"));
    connect(save, &QPushButton::clicked, this, &TFormSave::ButtonSaveClick);
    connect(print, &QPushButton::clicked, this, &TFormSave::ButtonPrintClick);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(print);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(memo1_, 1);
    resize(720, 420);
    startEachShowingOn(*this, [this] { return static_cast<QWidget*>(memo1_); });
}

void TFormSave::showLines(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) {
        text.append(fromCp1251(line));
    }
    memo1_->setPlainText(text.join(QLatin1Char('\n')));
    exec();
}

std::vector<std::string> TFormSave::memoLines() const {
    // Like a text box's line list: an empty box has no lines, and the empty line after a
    // final line break is not one of them.
    QStringList lines = memo1_->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    std::vector<std::string> result;
    for (const QString& line : lines) {
        result.push_back(toCp1251(line));
    }
    return result;
}

void TFormSave::ButtonSaveClick() {
    const QString chosen = askFileName_();
    if (chosen.isEmpty()) {
        return;
    }
    const std::string path = textCardFileName(QFile::encodeName(chosen).toStdString());
    const std::string bytes = textCardFileBytes(memoLines());
    try {
        saveFilesTogether({{path, bytes}});
    } catch (const IoError& error) {
        showFileError(context_, error);
    }
}

void TFormSave::ButtonPrintClick() {
    const std::vector<std::string> lines = memoLines();
    if (!lines.empty()) {
        QStringList printed;
        for (const std::string& line : textCardPrintLines(lines)) {
            printed.append(fromCp1251(line));
        }
        const QString error = printLines_(printed, memo1_->font());
        if (!error.isEmpty()) {
            // A failed print leaves the text card open with its text.
            context_.messages.showMessage(error);
            return;
        }
    }
    accept();
}

} // namespace kestrelon
