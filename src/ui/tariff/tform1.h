#pragma once
// The price-list mark-up tool: reads a list of named prices, marks every line up by the
// common percentage "All %", by its own percentage or by a tariff function, and writes the
// marked-up list, or the lines up to a limit, as text. Opened by the main window's "Tarif".

#include "tariff/price_list.h"
#include "tariff/price_text_codec.h"
#include "tariff/step_pair.h"
#include "ui/widgets/app_context.h"
#include "ui/widgets/lazy_dialog.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace kestrelon {

class PriceGrid;

class TForm1 : public LazyDialog {
public:
    static constexpr QSize kDesignedSize{780, 560};
    enum Page { FilePage = 0, EditPage, OutputPage, CopyPage };
    enum class FileQuestion { Open, SaveText, SavePriceImage };

    TForm1(AppContext& context, QWidget* parent);

    // Opens the function editor modally; true when it was closed with "Применить", which
    // leaves the function to apply in DataStore::EditedFunction.
    using FunctionEditor = std::function<bool()>;
    void setFunctionEditor(FunctionEditor editor) { functionEditor_ = std::move(editor); }

    // How "Open" and "Save" ask for a file name; tests replace it. An empty name means the
    // user gave up.
    using FileChooser = std::function<QString(QWidget* parent, FileQuestion question)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // "Open" once the file is chosen: a price-list text or image, by its extension.
    void openFile(const QString& path);

    const tariff::PriceList& priceList() const { return list_; }

    // Handlers.
    void SpeedButton1Click();       // "Open"
    void SpeedButton2Click();       // "Save"
    void SpeedButton3Click();       // "X10"
    void SpeedButton4Click();       // "X100"
    void SpeedButton5Click();       // "Фунция"
    void SpeedButton6Click();       // "Copy till"
    void SpeedButton7Click();       // "Reset"
    void UpDown1Click(int percent); // "%"
    void UpDown2Click(int percent); // "All %"
    void StringGrid1SelectCell(int row);
    void StringGrid1MouseUp(); // the selection statistics
    void PageControl1Change(int page);
    void Memo1Change();

protected:
    void build() override;

private:
    QWidget* buildPercentGroup(const QString& title, int number);
    QWidget* buildPages();
    void buildStatusBar(QLayout* layout);

    void openText(const QString& path);
    void openImage(const QString& path);
    void Parse();
    // After a parse or an image: the grid, the first line chosen, the controls by the count.
    void showLines();
    void showPage(Page page);
    void enableLineControls(bool enabled);
    void setPanel(int panel, const QString& text);
    void setPercentCounter(int percent);
    // The memo's text as the file holds it (no-break spaces kept), '\n' between lines.
    std::string memoText() const;
    int memoLineCount() const;
    void applySteps();
    // The marked-up prices changed: the rows in sight are drawn again.
    void showMarkedUp();
    void saveText(const std::string& bytes);
    void saveImage();
    // Asks where to save with `question` and lets `write` write there; a file error is shown.
    void saveAs(FileQuestion question, const std::function<void(const std::string& path)>& write);

    AppContext& context_;
    tariff::PriceList list_;
    tariff::TextFormat textFormat_;
    // The bytes of the text file opened last, written again as they are while the memo
    // holds that text unedited: line ends or bytes that reading evens out stay as they were.
    std::optional<std::string> openedBytes_;
    tariff::StepPair steps_;
    FunctionEditor functionEditor_;
    FileChooser chooseFile_;
    bool memoChanged_ = false;
    std::size_t selected_ = 0;

    std::array<QToolButton*, 8> buttons_{}; // SpeedButton1 .. SpeedButton7 at their numbers
    QSpinBox* upDown1_ = nullptr;
    QSpinBox* upDown2_ = nullptr;
    QLabel* panel1_ = nullptr;
    QLabel* panel2_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QTabWidget* pageControl_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    PriceGrid* editGrid_ = nullptr;
    PriceGrid* outputGrid_ = nullptr;
    PriceGrid* copyGrid_ = nullptr;
    std::array<QLabel*, 4> statusPanels_{};
};

} // namespace kestrelon
