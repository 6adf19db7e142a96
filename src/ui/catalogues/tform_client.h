#pragma once
// "Клиенты": the client contracts with their active marks; adds, edits and deletes them
// through the contract card and the delete confirmation.

#include "clients_change.h"
#include "ui/widgets/app_context.h"

#include <QDialog>

class QToolButton;

namespace kestrelon {

class CatalogueGrid;
class GridFindField;
class TFormAddClient;
class TFormDelFirm;

class TFormClient : public QDialog {
public:
    static constexpr QSize kDesignedSize{680, 360};

    TFormClient(AppContext& context, QWidget* parent);

    void setDialogs(TFormAddClient* card, TFormDelFirm* deleteDialog);

    // Handlers.
    void FormShow();
    void FormClose();
    void StringGrid1Click(int row, int column);
    void StringGrid1SelectCell(int row);
    void StringGrid1DblClick(int row);
    void StringGrid1KeyPress(); // Space: the same as a click on the current cell
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();

    // Every way of closing (close box, Esc, accept) passes here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the contracts (or the empty list) with SelectedClient's row current.
    void showContracts();
    void updateButtons();
    // What a contract's row is found by: its shown texts and the organization's INN.
    QString findText(int row) const;
    // After the card or the delete question: the list, the buttons, and the snapshot of the
    // marks when "Clients" was written.
    void afterChange(ClientsChange change);

    AppContext& context_;
    TFormAddClient* card_ = nullptr;
    TFormDelFirm* deleteDialog_ = nullptr;
    ActiveSnapshot snapshot_;
    bool marksUnsaved_ = false;
    QToolButton* speedButton1_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    QToolButton* speedButton3_ = nullptr;
    CatalogueGrid* grid_ = nullptr;
    GridFindField* find_ = nullptr;
};

} // namespace kestrelon
