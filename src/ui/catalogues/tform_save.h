#pragma once
// The requisites text card: the organization card's lines in an editable text box, saved to
// a text file or printed as plain text on the default printer.

#include "ui/widgets/app_context.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace kestrelon {

class TFormSave : public QDialog {
public:
    TFormSave(AppContext& context, QWidget* parent);

    // Fills the text box with the card's lines (cp1251) and shows the text card modally.
    void showLines(const std::vector<std::string>& lines);

    // Handlers.
    void ButtonSaveClick();
    void ButtonPrintClick();

    // Asks for the name to save under; empty when the user cancelled. Tests replace it.
    using FileNameAsker = std::function<QString()>;
    void setFileNameAsker(FileNameAsker asker) { askFileName_ = std::move(asker); }
    // Prints the lines as plain text in the font; returns an error message, empty when
    // printed. Tests replace it to capture the lines.
    using LinePrinter = std::function<QString(const QStringList& lines, const QFont& font)>;
    void setLinePrinter(LinePrinter printer) { printLines_ = std::move(printer); }

private:
    // The text box's lines as the user left them, cp1251.
    std::vector<std::string> memoLines() const;

    AppContext& context_;
    FileNameAsker askFileName_;
    LinePrinter printLines_;
    QPlainTextEdit* memo1_ = nullptr;
};

} // namespace kestrelon
