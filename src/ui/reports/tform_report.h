#pragma once
// "Отчеты агента": the month's agent report is prepared here, from the imported register or
// typed by hand, computed, saved, opened again for viewing, and turned into the invoice, the
// act and the act of mutual offset on the other three tabs. The window shows a MonthSession
// and hands it the user's acts; what the desktop is asked goes through ReportDialogs.

#include "document_zoom.h"
#include "exchange/edo_book.h"
#include "render/document_texts.h"
#include "render/mail_program.h"
#include "render/output_result.h"
#include "report_dialogs.h"
#include "report_list_host.h"
#include "reports/session/month_session.h"
#include "store/folder_choice.h"
#include "ui/widgets/app_context.h"
#include "ui/widgets/kept_folder.h"
#include "ui/widgets/lazy_dialog.h"

#include <QImage>
#include <array>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
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

class TFormReport : public LazyDialog, public ReportListHost, private SessionQuestions {
public:
    static constexpr QSize kDesignedSize{900, 660};
    enum Tab { ReportTab = 0, InvoiceTab, ActTab, OffsetActTab };

    TFormReport(AppContext& context, QWidget* parent);
    ~TFormReport() override;

    void setDialogs(TFormSlk* import, TFormReportList* list, TFormChangeRep* replace,
                    TFormErrNDS* vatQuestion);
    // The desktop's dialogs unless replaced.
    void setReportDialogs(std::unique_ptr<ReportDialogs> dialogs);
    ReportDialogs& reportDialogs() { return *dialogs_; }

    // ReportListHost.
    void openStoredReport() override;
    bool mayReplaceReport() override { return mayClose(); }
    void showNextNumbers(const NextNumbers& numbers) override;

    // The user's acts. The window's buttons, keys, lists, tabs and clicks run them through
    // act(); a changed field or grid cell is handed to the session as it comes.
    void activated();
    void listClicked();
    void saveClicked();
    void newClicked();
    void getClicked();
    void importClicked();
    void printClicked();
    void registerModeClicked();
    void manualModeClicked();
    void pdfClicked();
    void mailClicked();
    void edoClicked();
    void paymentClicked();
    void zoneClicked();
    void restoreRemunerationAsked();
    void copyNumbersAsked();
    void copyDatesAsked();
    void monthChosen();
    void yearChosen();
    void cellEdited(int column);
    void tabChanged(int tab);

    // A computed report that "Save" would save: closing asks before it is lost.
    bool hasUnsavedReport() const { return session_.hasUnsavedReport(); }
    // Asks «Отчет не сохранен. Сохранить?» when there is one: "Да" saves, "Нет" lets it go,
    // "Отмена" stays. False when the window must stay open (put off, or the save failed).
    bool mayClose();
    void reject() override;

    const MonthSession& session() const { return session_; }
    bool viewOnly() const { return session_.viewOnly(); }
    ReportMode mode() const { return session_.mode(); }
    int zoneDigit() const { return session_.zoneDigit(); }
    const ReportValues& values() const { return session_.values(); }
    const DocumentView* documentView(Tab tab) const;
    // The zoom of the three document tabs, kept while the program runs.
    void setZoom(const DocumentZoom& zoom);
    const DocumentZoom& zoom() const { return zoom_; }

protected:
    void build() override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // SessionQuestions.
    bool replaceStoredReport(const Utf8Text& line1, const Utf8Text& line2) override;
    bool saveSecondReport(const Utf8Text& question) override;
    bool keepTypedVat(const VatQuestion& question) override;

    // A toolbar button whose hint is also what a screen reader says of it.
    static QToolButton* toolButton(QWidget* parent, const QString& caption, const QString& hint,
                                   const QString& name);
    void buildToolbar();
    QWidget* buildReportTab();
    QWidget* buildNumberGroups();
    QWidget* buildTotals();
    QWidget* buildPeriodGroup();
    void addShortcuts();
    QComboBox* buildZoomList();
    // One step of the zoom up (> 0) or down from the page's size now; 0 is the real size.
    void zoomStep(int step);
    void start();

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

    // Shows the session: its fields, period, rows and state. Only what changed is set, so
    // that a field being typed into keeps its cursor.
    void showSession();
    void showFields();
    void showState();
    void applyTextColour(QColor colour);
    void showModeChecked();
    void showVatRate();
    // Says what the session said: now when the window is on view, else when it is shown.
    void say(const Sayings& said);
    // A mode button (its id in the group is the ReportMode) became checked or unchecked, by a
    // click, a key, the program or an assistive tool.
    void modeButtonToggled(int mode, bool checked);
    void fieldTyped(ReportField field, const QString& text);

    // Says it and returns true when the principal is missing: the caller does not go on.
    bool refusedWithoutPrincipal();
    // Says so and returns true when a chosen output would take the place of a report file or a
    // table of the data folder.
    bool refusedAsProtected(const QString& path);
    // Asks for what the data folder lacks and keeps it; false when it could not be kept.
    bool completeEdoBook(const DocumentInput& input, EdoBook& book);
    static QString pdfFailureText(const QString& path, const OutputResult& result);
    // Where a chooser of the kind starts: the folder last chosen for it while it exists.
    QString folderStart(FolderKind kind) const;
    void rememberFolder(FolderKind kind, const QString& folder) { folders_.remember(kind, folder); }
    void mailProgramDone(const MailOutcome& outcome, const QString& folder);
    bool onDocumentTab() const;
    DocumentKind currentDocument() const;
    void buildDocument(Tab tab);

    AppContext& context_;
    MonthSession session_;
    std::unique_ptr<ReportDialogs> dialogs_;
    TFormSlk* import_ = nullptr;
    TFormReportList* list_ = nullptr;
    TFormChangeRep* replace_ = nullptr;
    TFormErrNDS* vatQuestion_ = nullptr;
    FolderKeeper folders_;
    // Said while the window was not on view.
    Sayings pending_;
    int shownRowsRevision_ = -1;
    std::optional<bool> shownViewOnly_;

    PageGeometry screen_;
    QImage metricsDevice_;
    std::unique_ptr<QtTextMetrics> screenMetrics_;
    DocumentTexts texts_;

    QToolButton* listButton_ = nullptr;
    QToolButton* saveButton_ = nullptr;
    QToolButton* newButton_ = nullptr;
    QToolButton* importButton_ = nullptr;
    QToolButton* printButton_ = nullptr;
    QToolButton* registerModeButton_ = nullptr;
    QToolButton* manualModeButton_ = nullptr;
    QToolButton* pdfButton_ = nullptr;
    QToolButton* mailButton_ = nullptr;
    QToolButton* edoButton_ = nullptr;
    QToolButton* paymentButton_ = nullptr;
    QButtonGroup* modeButtons_ = nullptr;
    QToolButton* zoneButton_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QGroupBox* numberGroup_ = nullptr;
    QGroupBox* dateGroup_ = nullptr;
    QGroupBox* periodGroup_ = nullptr;
    // The report's fields, at their ReportField.
    std::array<QLineEdit*, kReportFieldCount> fields_{};
    QToolButton* getButton_ = nullptr;
    QComboBox* monthList_ = nullptr;
    QComboBox* yearList_ = nullptr;
    QCheckBox* chiefSignsBox_ = nullptr;
    QLabel* vatRateLabel_ = nullptr;
    ReportGrid* grid_ = nullptr;
    std::array<DocumentView*, 3> documents_{};
    QComboBox* zoomList_ = nullptr;
    DocumentZoom zoom_;

    QLineEdit* fieldEdit(ReportField field) const {
        return fields_[static_cast<std::size_t>(field)];
    }
};

} // namespace kestrelon
