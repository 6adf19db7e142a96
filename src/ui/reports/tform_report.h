#pragma once
// "Отчеты агента": the month's agent report is prepared here, from the imported register or
// typed by hand, computed, saved, opened again for viewing, and turned into the invoice, the
// act and the act of mutual offset on the other three tabs.

#include "edo_details_dialog.h"
#include "exchange/edo_book.h"
#include "payment_details_dialog.h"
#include "render/document_texts.h"
#include "render/mail_program.h"
#include "render/output_result.h"
#include "report_list_host.h"
#include "reports/computation/computation_result.h"
#include "reports/computation/manual_grid.h"
#include "store/folder_choice.h"
#include "ui/widgets/app_context.h"
#include "ui/widgets/lazy_dialog.h"

#include <QImage>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QTabWidget;
class QToolButton;

namespace kestrelon {

class DocumentView;
class QtTextMetrics;
class ReportGrid;
class TFormChangeRep;
class TFormErrNDS;
class TFormReportList;
class TFormSlk;

class TFormReport : public LazyDialog, public ReportListHost {
public:
    static constexpr QSize kDesignedSize{900, 660};
    enum Tab { ReportTab = 0, InvoiceTab, ActTab, OffsetActTab };

    TFormReport(AppContext& context, QWidget* parent);
    ~TFormReport() override;

    void setDialogs(TFormSlk* import, TFormReportList* list, TFormChangeRep* replace,
                    TFormErrNDS* vatQuestion);

    // ReportListHost.
    void openStoredReport() override;
    bool mayReplaceReport() override { return mayClose(); }
    void showNextNumbers(const NextNumbers& numbers) override;

    // Handlers. The window's buttons, keys, lists, tabs and clicks run them through act(); a
    // changed remuneration or grid cell is reacted to as it comes.
    void FormCreate();
    void FormActivate();
    void SpeedButton1Click();  // "List"
    void SpeedButton2Click();  // "Save"
    void SpeedButton3Click();  // "New"
    void SpeedButton4Click();  // "Get"
    void SpeedButton5Click();  // "Slk"
    void SpeedButton7Click();  // print
    void SpeedButton8Click();  // mode "SLK"
    void SpeedButton9Click();  // mode "Manual"
    void SpeedButton10Click(); // "PDF"
    void SpeedButton11Click(); // "Отправить"
    void SpeedButton12Click(); // "ЭДО"
    void SpeedButton13Click(); // "Платежка"
    void Panel1Click();        // zone digit
    void Edit10Change();
    void Edit10DblClick();
    void GroupBox1DblClick(); // "№"
    void GroupBox2Click();    // "Дата"
    void GroupBox2DblClick();
    void ComboBox1Select();
    void ComboBox2Change();
    void StringGrid1CellEdited(int column);
    void PageControl1Change(int tab);

    // How "PDF" asks for a file name, given the suggested path; tests replace it. An empty
    // name means the user gave up.
    using PdfFileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    void setPdfFileChooser(PdfFileChooser chooser) { choosePdfFile_ = std::move(chooser); }
    // How "Отправить" asks for a folder, starting in `start`; empty when the user gave up.
    using FolderChooser = std::function<QString(QWidget* parent, const QString& start)>;
    void setMailFolderChooser(FolderChooser chooser) { chooseMailFolder_ = std::move(chooser); }
    // How "ЭДО" asks for the folder of the documents, starting in `start`.
    void setEdoFolderChooser(FolderChooser chooser) { chooseEdoFolder_ = std::move(chooser); }
    // How "ЭДО" asks for the participant ids and the signer's name it lacks; nothing when the
    // user gave up.
    using EdoDetailsAsker =
        std::function<std::optional<EdoDetails>(QWidget* parent, const EdoDetailsRequest&)>;
    void setEdoDetailsAsker(EdoDetailsAsker asker) { askEdoDetails_ = std::move(asker); }
    // How "Платежка" asks for the order's number and date, given the proposed ones; nothing
    // when the user gave up.
    using PaymentDetailsAsker =
        std::function<std::optional<PaymentDetails>(QWidget* parent, const PaymentDetails&)>;
    void setPaymentDetailsAsker(PaymentDetailsAsker asker) {
        askPaymentDetails_ = std::move(asker);
    }
    // How "Платежка" asks for the file name, given the suggested path; empty when given up.
    void setPaymentFileChooser(PdfFileChooser chooser) { choosePaymentFile_ = std::move(chooser); }
    // How the folder with the documents is shown when the mail program cannot take them.
    using FolderShower = std::function<void(const QString& folder)>;
    void setFolderShower(FolderShower shower) { showFolder_ = std::move(shower); }
    // How "Печать" asks for the printer, the copies and the sheets of a document of `sheets`
    // sheets, on a printer set up for it on the default printer; tests replace it. False when
    // the user gave up.
    using PrinterChooser = std::function<bool(QWidget* parent, QPrinter& printer, int sheets)>;
    void setPrinterChooser(PrinterChooser chooser) { choosePrinter_ = std::move(chooser); }

    // A computed report that "Save" would save: closing asks before it is lost.
    bool hasUnsavedReport() const;
    // Asks «Отчет не сохранен. Сохранить?» when there is one: "Да" saves, "Нет" lets it go,
    // "Отмена" stays. False when the window must stay open (put off, or the save failed).
    bool mayClose();
    void reject() override;

    bool viewOnly() const { return viewOnly_; }
    ReportMode mode() const { return mode_; }
    int zoneDigit() const { return zoneDigit_; }
    // The window's fields as the report record and the documents read them.
    ReportValues values() const;
    const DocumentView* documentView(Tab tab) const;

protected:
    void build() override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A toolbar button whose hint is also what a screen reader says of it.
    static QToolButton* toolButton(QWidget* parent, const QString& caption, const QString& hint,
                                   const QString& name);
    void buildToolbar();
    QWidget* buildReportTab();
    QWidget* buildNumberGroups();
    QWidget* buildTotals();
    QWidget* buildPeriodGroup();
    void addShortcuts();

    // How a control, a key or an event of the window's runs its handler: the grid first takes
    // a cell still being typed into it, so that no action works on an amount the user sees
    // but the grid has not taken yet.
    template <typename... Args> void act(void (TFormReport::*handler)(Args...), Args... args) {
        takeTypedCell();
        (this->*handler)(args...);
    }
    // `act` as the slot of a control's signal.
    template <typename... Args> auto userAction(void (TFormReport::*handler)(Args...)) {
        return [this, handler](Args... args) { act(handler, args...); };
    }
    void takeTypedCell();

    // A mode button (its id in the group is the ReportMode) became checked or unchecked, by a
    // click, a key, the program or an assistive tool.
    void modeButtonToggled(int mode, bool checked);
    void showModeChecked();
    void showZoneDigit();
    // The window's own fills of the remuneration: no change of the user's to react to.
    void setRemunerationText(const QString& text);
    // The first field of the numbers (1) or of the dates (4) into the other two of its group.
    void copyFirstField(std::size_t first);

    void setEditState();
    void setViewOnlyState();
    void applyTextColour(QColor colour);
    void updateSaveButton();
    void setMode(ReportMode mode);
    void proposeNewReport();
    void setPeriod(const Period& period);
    void clearAmountFields();
    void clearComputedFields();
    void dropComputation();
    void showVatRate();

    void rebuildManualGrid(bool keepTypedAmounts);
    void ensureManualGridCurrent();
    // "Get" and its two kinds; each returns what the computation gave (nothing computed gives
    // an empty result). A period chosen runs it too.
    ComputationResult runGet();
    ComputationResult runManualGet();
    ComputationResult runFillFromSlk();
    void showComputation(const ComputationResult& result);

    static QString askPdfFileName(QWidget* parent, const QString& suggested);
    // A folder chosen in Qt's dialog of that title, starting in `start`; empty when given up.
    static QString askFolder(QWidget* parent, const QString& start, const QString& title,
                             const QString& objectName);
    static QString askMailFolder(QWidget* parent, const QString& start);
    static QString askEdoFolder(QWidget* parent, const QString& start);
    static std::optional<EdoDetails> askEdoDetails(QWidget* parent,
                                                   const EdoDetailsRequest& request);
    static std::optional<PaymentDetails> askPaymentDetails(QWidget* parent,
                                                           const PaymentDetails& proposed);
    static QString askPaymentFileName(QWidget* parent, const QString& suggested);
    // Asks for what the data folder lacks and keeps it; false when it could not be kept.
    bool completeEdoBook(const DocumentInput& input, EdoBook& book);
    static bool askPrinter(QWidget* parent, QPrinter& printer, int sheets);
    static void openFolder(const QString& folder);
    // Where the file and folder choosers start when nothing better is known.
    static QString documentsFolder();
    static QString pdfFailureText(const QString& path, const OutputResult& result);
    // Where a chooser of the kind starts: the folder last chosen for it while it exists.
    QString folderStart(FolderKind kind) const;
    void rememberFolder(FolderKind kind, const QString& folder);
    void mailProgramDone(const MailOutcome& outcome, const QString& folder);
    // What is said while the agent contract names a principal no organization is: empty when
    // it is found or a stored report is open.
    QString missingPrincipal() const;
    // Says it and returns true when the principal is missing: the caller does not go on.
    bool refusedWithoutPrincipal();
    // Says so and returns true when a chosen output would take the place of a report file or a
    // table of the data folder.
    bool refusedAsProtected(const QString& path);
    DocumentKind currentDocument() const;
    DocumentInput currentDocumentInput() const;
    void buildDocument(Tab tab);

    AppContext& context_;
    TFormSlk* import_ = nullptr;
    TFormReportList* list_ = nullptr;
    TFormChangeRep* replace_ = nullptr;
    TFormErrNDS* vatQuestion_ = nullptr;
    PdfFileChooser choosePdfFile_;
    FolderChooser chooseMailFolder_;
    FolderChooser chooseEdoFolder_;
    EdoDetailsAsker askEdoDetails_;
    PaymentDetailsAsker askPaymentDetails_;
    PdfFileChooser choosePaymentFile_;
    FolderShower showFolder_;
    PrinterChooser choosePrinter_;
    // A failed save of the chosen folder was shown: it is not said again until one succeeds.
    bool folderFailureShown_ = false;

    ReportMode mode_ = ReportMode::Slk;
    bool viewOnly_ = false;
    // The user let the computed report on view go unsaved; asked again after the next "Get".
    bool unsavedDeclined_ = false;
    int zoneDigit_ = 2;
    std::string rememberedRemuneration_;
    ManualGridTracker manualTracker_;
    GridRows manualRows_; // the manual grid while register rows are shown
    QString pendingMessage_;

    PageGeometry screen_;
    QImage metricsDevice_;
    std::unique_ptr<QtTextMetrics> screenMetrics_;
    DocumentTexts texts_;

    QToolButton* speedButton1_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    QToolButton* speedButton3_ = nullptr;
    QToolButton* speedButton5_ = nullptr;
    QToolButton* speedButton7_ = nullptr;
    QToolButton* speedButton8_ = nullptr;
    QToolButton* speedButton9_ = nullptr;
    QToolButton* speedButton10_ = nullptr;
    QToolButton* speedButton11_ = nullptr;
    QToolButton* speedButton12_ = nullptr;
    QToolButton* speedButton13_ = nullptr;
    QButtonGroup* modeButtons_ = nullptr;
    QToolButton* panel1_ = nullptr;
    QTabWidget* pageControl_ = nullptr;
    QGroupBox* numberGroup_ = nullptr;
    QGroupBox* dateGroup_ = nullptr;
    QGroupBox* periodGroup_ = nullptr;
    std::array<QLineEdit*, 12> edits_{}; // Edit1 .. Edit11 at their numbers
    QToolButton* speedButton4_ = nullptr;
    QComboBox* comboBox1_ = nullptr;
    QComboBox* comboBox2_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QLabel* vatRateLabel_ = nullptr;
    ReportGrid* grid_ = nullptr;
    std::array<DocumentView*, 3> documents_{};
};

} // namespace kestrelon
