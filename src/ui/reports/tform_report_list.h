#pragma once
// "Отчеты": the stored reports. Opens one into the report window, deletes one, totals a
// selection of them (the status bar, whose menu puts the totals on the clipboard) and copies
// report files to and from another folder.

#include "ui/widgets/app_context.h"
#include "ui/widgets/lazy_dialog.h"

#include <array>
#include <vector>

class QLabel;
class QMenu;
class QStatusBar;
class QToolButton;

namespace kestrelon {

class CatalogueGrid;
class ReportListHost;
class TForm23;
class TFormDelRep;
class TFormYear;

class TFormReportList : public LazyDialog {
public:
    static constexpr QSize kDesignedSize{720, 360};
    static constexpr int kPanels = 8;

    TFormReportList(AppContext& context, QWidget* parent);

    void setDialogs(TFormDelRep* deleteDialog, TForm23* folderDialog);
    void setHost(ReportListHost* host);

    // Shows context.reports.list with its first row selected.
    void ReportGreed();

    // Handlers.
    void FormShow();
    void SpeedButton1Click(); // "Sync"
    void SpeedButton2Click(); // "Del"
    void SpeedButton3Click(); // "Open"
    void yearClicked();       // «Год»
    void StringGrid1Click(int row);
    void StringGrid1DblClick(int row);
    void StringGrid1SelectionChanged();
    void StatusBar1ContextPopup(const QPoint& globalPosition);
    void N2Click(); // "Вознаграждение"
    void N3Click(); // "Тарвелу"
    void N4Click(); // "6% от вознаграждения"

protected:
    void build() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Opens the report of the file (cp1251) in the report window and closes the list; false
    // when it was not opened (put off, vanished, unreadable: said).
    bool openReportFile(const std::string& fileName);
    // The status bar's panels that show something.
    enum Panel {
        Count = 0,
        ClickedRow = 1,
        Gross = 4,
        Remuneration = 5,
        ToPrincipal = 6,
        Range = 7
    };

    void buildStatusBar();
    void buildMenu();
    void setPanel(int panel, const QString& text);
    // Shows the list with `row` selected (clamped to the list).
    void showList(std::size_t row);
    // The rows the grid highlights, in order.
    std::vector<int> selectedRows() const;
    // The row Open and Del act on: the row last clicked or moved to when it is among the
    // selected ones, else the current row if selected, else the first selected; -1 when
    // nothing is selected.
    int chosenRow() const;
    // Panel 1 names the chosen row, and Open and Del are on while there is one.
    void showChosenRow();
    // After a listed file turned out to be gone: the list is made again from the folder.
    // False (the error shown) when the folder cannot be listed.
    bool rescan();
    void showFileProblem(const std::string& fileName, const std::string& systemMessage);

    AppContext& context_;
    ReportListHost* host_ = nullptr;
    TFormDelRep* deleteDialog_ = nullptr;
    TForm23* folderDialog_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    QToolButton* speedButton3_ = nullptr;
    QToolButton* yearButton_ = nullptr;
    TFormYear* year_ = nullptr;
    CatalogueGrid* grid_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    std::array<QLabel*, kPanels> panels_{};
    QMenu* popup_ = nullptr;
    // The row the user last clicked or moved the current row to; -1 for none.
    int clickedRow_ = -1;
    // The text of the last 6 % value, for the clipboard.
    QString sixPercent_;
};

} // namespace kestrelon
