#pragma once
// "FormSlk": the principal's invoice register, pasted from a spreadsheet or read from the
// spreadsheet file it came in (.slk, .xlsx, .xls, .ods, .csv), is read into the imported rows
// of the report.

#include "reports/register/slk_import.h"
#include "ui/widgets/app_context.h"
#include "ui/widgets/kept_folder.h"

#include <QDialog>
#include <functional>

class QPlainTextEdit;

namespace kestrelon {

class TFormSlk : public QDialog {
public:
    TFormSlk(AppContext& context, QWidget* parent);

    // Shows the dialog modally. True when it was closed with "OK": the imported rows were
    // then replaced by what the text gave. A text that gives nothing to import (no row, a
    // register of another agent contract) is said and the dialog stays open, the imported rows
    // as they were.
    bool importRegister();
    // What the last confirmed import read, for its count box.
    const SlkImportResult& lastImport() const { return lastImport_; }

    // Reads a register file into the text area, from "Open" or a drop onto the text; on a
    // problem shows it and keeps the text.
    bool openRegisterFile(const QString& path);

    // How "Open" asks for a file, starting in `start` (the folder of the last register
    // opened); tests replace it. An empty name means the user gave up.
    using FileChooser = std::function<QString(QWidget* parent, const QString& start)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    QPlainTextEdit* textArea() const { return memo_; }

    void Button1Click(); // "Clear"
    void Button2Click(); // "Cancel"
    void Button3Click(); // "OK"
    void Button4Click(); // "Open"

private:
    AppContext& context_;
    FolderKeeper folders_{context_};
    FileChooser chooseFile_;
    bool confirmed_ = false;
    SlkImportResult lastImport_;
    QPlainTextEdit* memo_ = nullptr;
};

} // namespace kestrelon
