#pragma once
// "Фунция       (beta)": the tariff function editor. Shows the working copy as eight "From"
// amounts and eight "%" rates with its step graph, loads a stored function into the working
// copy, stores the working copy under a new name, and closes with "Применить" to hand the
// working copy to the price-list tool.

#include "tariff/graph_layout.h"
#include "ui/widgets/app_context.h"

#include "ui/widgets/lazy_dialog.h"

class QComboBox;
class QPushButton;
class QTimer;
class QToolButton;

namespace kestrelon {

class FunctionFieldRows;
class FunctionGraph;
class TFormFunc;

class TForm2 : public LazyDialog {
public:
    static constexpr QSize kDesignedSize{645, 406};
    static constexpr int kCommitDelay = 4000;   // Timer1: a field is committed in place
    static constexpr int kRelayoutDelay = 1000; // Timer2: the graph follows a resize

    TForm2(AppContext& context, QWidget* parent);

    void setFunctionList(TFormFunc* list);

    // Shows the editor modally; true when it was closed with "Применить". Closing it any
    // other way reports nothing.
    bool openForApply();

    // For the function list: loads stored function `index` as a choice in the combo box does,
    // and shows its name there.
    void chooseFunction(int index);
    // After the stored functions changed: the combo box holds their names again and shows
    // entry `shown` (-1: none, an empty text); "List" and "Add" follow the count.
    void showStoredFunctions(int shown);

    const tariff::GraphLayout& graphLayout() const { return layout_; }
    std::uint16_t maxRate() const { return maxRate_; }
    // The field entered last, -1 before any.
    int currentField() const { return currentField_; }

    // Handlers.
    void SpeedButton1Click();        // "List"
    void SpeedButton2Click();        // "Add"
    void ComboBox1Select(int index); // the user chose an entry
    void Button1Click();             // "Применить"
    void EditKeyPress(int field);    // any key in a field
    void EditEnter(int field);       // the user moved into a field
    void EditReturn(int field);      // Enter in a field
    void Timer1Timer();              // the commit timer ran out
    void Timer2Timer();              // the re-layout timer ran out
    void FormResize();

    // Commits the fields into the working copy; false when a "%" text was refused (the
    // message is shown).
    bool Check();
    // Shows the working copy in the fields.
    void ShowArFuncBuf();
    // Lays the graph out for the paint area's size and the working copy, and repaints it.
    void InitDraw();

    // Esc and the window's close button: what is being typed is committed, the result stays
    // clear.
    void reject() override;

protected:
    void build() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateButtons();

    AppContext& context_;
    TFormFunc* list_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    QComboBox* comboBox1_ = nullptr;
    FunctionFieldRows* fields_ = nullptr;
    FunctionGraph* paintBox1_ = nullptr;
    QPushButton* button1_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    int currentField_ = -1;
    bool committing_ = false;
    bool applied_ = false;
    std::uint16_t maxRate_ = 0;
    tariff::GraphLayout layout_;
};

} // namespace kestrelon
