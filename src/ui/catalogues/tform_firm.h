#pragma once
// "Организации": the list of active organizations, or of the deleted ones while "Deleted" is
// down; opens the organization card to add, edit or view one, deletes and restores.

#include "ui/widgets/app_context.h"

#include <QDialog>
#include <array>

class QToolButton;

namespace kestrelon {

class CatalogueGrid;
class GridFindField;
class TFormDelFirm;
class TFormDelFirm1;
class TFormRekvizit;

class TFormFirm : public QDialog {
public:
    // What the grid shows.
    enum class ListMode { Nothing = 0, Active = 1, Deleted = 2 };

    TFormFirm(AppContext& context, QWidget* parent);

    void setDialogs(TFormRekvizit* card, TFormDelFirm* deleteDialog, TFormDelFirm1* contractDialog);

    ListMode listMode() const { return listMode_; }
    CatalogueGrid* grid() const { return grid_; }

    // Handlers.
    void FormCreate();
    void SpeedButton1Click(); // "New"
    void SpeedButton2Click(); // "Edit"
    void SpeedButton3Click(); // "Del"
    void SpeedButton4Click(); // "Deleted", a toggle
    void SpeedButton5Click(); // "Restore"
    void StringGrid1Click();
    void StringGrid1DblClick(int row);

private:
    // Shows the list that "Deleted" asks for, with the buttons, caption and colour that go
    // with it, the selected organization's row current.
    void showList();
    // Runs a change of the tables; a failed save is shown, the change stays in memory and
    // the grid shows it.
    template <typename Change> void change(Change&& operation);

    AppContext& context_;
    TFormRekvizit* card_ = nullptr;
    TFormDelFirm* deleteDialog_ = nullptr;
    TFormDelFirm1* contractDialog_ = nullptr;
    ListMode listMode_ = ListMode::Nothing;
    bool refreshing_ = false;
    // What acts on a row is enabled while a row is shown.
    void enableRowButtons();
    // The organizations of the list shown: what their rows are found by.
    QString findText(int row) const;

    std::array<QToolButton*, 5> buttons_{};
    CatalogueGrid* grid_ = nullptr;
    GridFindField* find_ = nullptr;
};

} // namespace kestrelon
