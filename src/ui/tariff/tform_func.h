#pragma once
// "Функции": the stored tariff functions with the time each was added; picks one for the
// editor and deletes the selected one after asking.

#include "ui/widgets/app_context.h"

#include "ui/widgets/lazy_dialog.h"

class QToolButton;

namespace kestrelon {

class CatalogueGrid;
class TForm2;
class TFormDelFunc;

class TFormFunc : public LazyDialog {
public:
    static constexpr QSize kDesignedSize{504, 311};

    TFormFunc(AppContext& context, QWidget* parent);

    void setDialogs(TFormDelFunc* deleteDialog, TForm2* editor);

    // One row per stored function with function `current`'s row current, or the empty list;
    // "Edit" and "Del" follow the count.
    void showFunctions(int current);

    // Handlers.
    void FormShow();
    void StringGrid1Click(int row);
    void StringGrid1DblClick(int row);
    void SpeedButton1Click(); // "Edit"
    void SpeedButton2Click(); // "Del"

protected:
    void build() override;
    void showEvent(QShowEvent* event) override;

private:
    AppContext& context_;
    TFormDelFunc* deleteDialog_ = nullptr;
    TForm2* editor_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    CatalogueGrid* grid_ = nullptr;
};

} // namespace kestrelon
