#include "tform_slk.h"

#include "reports/register/register_file.h"
#include "reports/register/slk_import.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/enter_moves_on.h"
#include "ui/widgets/plain_text_memo.h"
#include "ui/widgets/qt_text.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

const QString kOpenHint = QStringLiteral("Открыть реестр (*.slk, *.xlsx, *.xls, *.ods, *.csv)");

// Patterns in both cases: the file dialog tells them apart, and files from Windows often have
// their names in capitals.
QString patterns(const QStringList& extensions) {
    QStringList both;
    for (const QString& extension : extensions) {
        both << QStringLiteral("*.") + extension << QStringLiteral("*.") + extension.toUpper();
    }
    return both.join(QLatin1Char(' '));
}

QString chooseRegisterFile(QWidget* parent, const QString& start) {
    const QStringList filters = {
        QStringLiteral("Реестры (%1)").arg(patterns({"slk", "xlsx", "xls", "ods", "csv"})),
        QStringLiteral("SYLK (%1)").arg(patterns({"slk"})),
        QStringLiteral("Excel (%1)").arg(patterns({"xlsx", "xls"})),
        QStringLiteral("OpenDocument (%1)").arg(patterns({"ods"})),
        QStringLiteral("CSV (%1)").arg(patterns({"csv"})),
        QStringLiteral("Все файлы (*)")};
    return QFileDialog::getOpenFileName(parent, kOpenHint, start, filters.join(";;"));
}

// The register's lines are read from their start: the cursor goes to the first line's start
// and the text to its left edge, not to the end of the longest line.
void showLineStarts(QPlainTextEdit& memo) {
    memo.moveCursor(QTextCursor::Start);
    memo.horizontalScrollBar()->setValue(0);
}

// Puts text in place of the whole register as one step of the editor's undo, so that a slip
// on "Clear" or "Open" can be taken back with Ctrl+Z; clear() and setPlainText() would also
// forget the undo history.
void replaceAllText(QPlainTextEdit& memo, const QString& text) {
    QTextCursor cursor(memo.document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    memo.setTextCursor(cursor);
    showLineStarts(memo);
}

} // namespace

TFormSlk::TFormSlk(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), chooseFile_(chooseRegisterFile) {
    setObjectName(QStringLiteral("FormSlk"));
    setWindowTitle(QStringLiteral("FormSlk"));
    resize(640, 420);

    auto* open = new QToolButton(this);
    open->setObjectName(QStringLiteral("Button4"));
    open->setText(QStringLiteral("Open"));
    open->setToolTip(kOpenHint);
    open->setAccessibleDescription(kOpenHint);
    connect(open, &QToolButton::clicked, this, &TFormSlk::Button4Click);
    auto* toolbar = new QHBoxLayout;
    toolbar->addWidget(open);
    toolbar->addStretch(1);

    auto* memo = new PlainTextMemo(this);
    memo->setFileDropHandler([this](const QString& path) { openRegisterFile(path); });
    memo_ = memo;
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setAccessibleName(QStringLiteral("Реестр счетов"));
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A tab is the register's cell separator, so Tab types one and a line can be mended or
    // typed by hand; Ctrl+Tab moves on, as in any text editor.

    QPushButton* clear =
        makeButton(this, QStringLiteral("Clear"), "Button1", &TFormSlk::Button1Click);
    QPushButton* cancel =
        makeButton(this, QStringLiteral("Cancel"), "Button2", &TFormSlk::Button2Click);
    QPushButton* ok = makeButton(this, QStringLiteral("OK"), "Button3", &TFormSlk::Button3Click);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolbar);
    layout->addWidget(memo_, 1);
    layout->addLayout(buttonRow({clear, cancel, ok}));
    // No button is the default, so Enter in the text starts a new line and never presses
    // "Clear" or "OK" by itself; on a focused button it presses that one.
    moveOnWithEnter(*this);
}

bool TFormSlk::importRegister() {
    confirmed_ = false;
    // The register is pasted or typed: each opening starts in the text, not on the button
    // pressed last time.
    memo_->setFocus(Qt::OtherFocusReason);
    showLineStarts(*memo_);
    exec();
    return confirmed_;
}

bool TFormSlk::openRegisterFile(const QString& path) {
    const QString shownName = QDir::toNativeSeparators(path);
    // The size is known before the file is read: a file far larger than any register is not
    // read into memory at all.
    if (static_cast<std::uint64_t>(QFileInfo(path).size()) > kMaxRegisterFileBytes) {
        context_.messages.showMessage(fromCp1251(registerFileTooLarge(toCp1251(shownName))));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        context_.messages.showMessage(
            QStringLiteral("Не удалось открыть файл «%1»: %2").arg(shownName, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const SheetText read = registerTextInChildProcess(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        toCp1251(shownName));
    if (!read.ok()) {
        context_.messages.showMessage(fromCp1251(read.message));
        return false;
    }
    replaceAllText(*memo_, fromCp1251(read.text));
    return true;
}

void TFormSlk::Button1Click() {
    replaceAllText(*memo_, QString());
    // Clearing is done to paste or type anew.
    memo_->setFocus(Qt::OtherFocusReason);
}

void TFormSlk::Button2Click() {
    reject();
}

void TFormSlk::Button3Click() {
    SlkImportResult read =
        parseRegister(toCp1251(memo_->toPlainText()), context_.store.Agent.ContractNo.view());
    for (const std::string& message : read.messages) {
        context_.messages.showMessage(fromCp1251(message));
    }
    if (read.refused) {
        // The report keeps its rows; the text stays to be mended, or the dialog cancelled.
        memo_->setFocus(Qt::OtherFocusReason);
        return;
    }
    lastImport_ = std::move(read);
    context_.reports.sets.SlkSet = lastImport_.rows;
    confirmed_ = true;
    accept();
}

void TFormSlk::Button4Click() {
    const QString path = chooseFile_
                             ? chooseFile_(this, folderStart(context_.store, FolderKind::Register))
                             : QString();
    if (path.isEmpty()) {
        return;
    }
    // Registers come month after month from one folder: the next "Open" starts there.
    folders_.remember(FolderKind::Register, QFileInfo(path).absolutePath());
    openRegisterFile(path);
}

} // namespace kestrelon
