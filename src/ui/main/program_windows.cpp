#include "program_windows.h"

#include <QWindow>

#include "backup/restore.h"
#include "store/data_folder_lock.h"
#include "store/data_folder_upkeep.h"
#include "store/io_error.h"
#include "store/startup_load.h"
#include "ui/catalogues/tform_add_agent.h"
#include "ui/catalogues/tform_add_client.h"
#include "ui/catalogues/tform_agent.h"
#include "ui/catalogues/tform_bank.h"
#include "ui/catalogues/tform_client.h"
#include "ui/catalogues/tform_del_firm.h"
#include "ui/catalogues/tform_del_firm1.h"
#include "ui/catalogues/tform_firm.h"
#include "ui/catalogues/tform_rekvizit.h"
#include "ui/catalogues/tform_save.h"
#include "ui/reports/tform23.h"
#include "ui/reports/tform_change_rep.h"
#include "ui/reports/tform_del_rep.h"
#include "ui/reports/tform_err_nds.h"
#include "ui/reports/tform_report.h"
#include "ui/reports/tform_report_list.h"
#include "ui/reports/tform_slk.h"
#include "ui/tariff/tform1.h"
#include "ui/tariff/tform2.h"
#include "ui/tariff/tform_del_func.h"
#include "ui/tariff/tform_func.h"
#include "ui/widgets/file_error.h"

#include <QApplication>
#include <QTimer>

namespace kestrelon {
namespace {

// The agent contract window loads "Agent" when it is created; a failure is shown and
// start-up goes on with the contract as far as it was read. Returns whether the file existed.
bool loadAgentOnCreate(AppContext& context) {
    try {
        return loadAgentContract(context.store);
    } catch (const IoError& error) {
        context.messages.showMessage(fileErrorText(error, context.store));
        return true;
    }
}

} // namespace

void removeLeftoversOfKilledSaves(const DataStore& store, MessageSink& messages) {
    const std::vector<IoError> failures = removeLeftoverTemporaries(store.DataFolder);
    if (!failures.empty()) {
        messages.showMessage(QString::fromStdString(leftoverRemovalMessage(failures)));
    }
}

bool loadTablesAtStartup(DataStore& store, MessageSink& messages) {
    try {
        loadStartupTables(store);
        return true;
    } catch (const IoError& error) {
        messages.showMessage(fileErrorText(error, store));
        return false;
    }
}

std::unique_ptr<ProgramWindows> createProgramWindows(AppContext& context) {
    auto w = createMainWindow(context);
    createOtherWindows(*w, context);
    return w;
}

std::unique_ptr<ProgramWindows> createMainWindow(AppContext& context) {
    auto w = std::make_unique<ProgramWindows>();
    w->FormMain = std::make_unique<TFormMain>(context);
    return w;
}

void createOtherWindows(ProgramWindows& windows, AppContext& context) {
    ProgramWindows* w = &windows;
    TFormMain* main = w->FormMain.get();
    w->Form1 = new TForm1(context, main);
    w->Form2 = new TForm2(context, main);
    w->FormFunc = new TFormFunc(context, main);
    w->FormDelFunc = new TFormDelFunc(context, main);
    w->FormFirm = new TFormFirm(context, main);
    w->FormRekvizit = new TFormRekvizit(context, main);
    w->FormBank = new TFormBank(context, main);
    w->FormDelFirm = new TFormDelFirm(context, main);
    w->FormSave = new TFormSave(context, main);
    const bool agentFileFound = loadAgentOnCreate(context);
    w->FormAgent = new TFormAgent(context, main);
    if (!agentFileFound) {
        w->FormAgent->applyAgentFileDefaults();
    }
    w->FormClient = new TFormClient(context, main);
    w->FormAddClient = new TFormAddClient(context, main);
    w->FormDelFirm1 = new TFormDelFirm1(context, main);
    w->FormAddAgent = new TFormAddAgent(context, main);
    w->FormReport = new TFormReport(context, main);
    w->FormSlk = new TFormSlk(context, main);
    w->FormReportList = new TFormReportList(context, main);
    w->FormChangeRep = new TFormChangeRep(main);
    w->FormDelRep = new TFormDelRep(main);
    w->FormErrNDS = new TFormErrNDS(main);
    w->Form23 = new TForm23(main);

    TForm2* editor = w->Form2;
    w->Form1->setFunctionEditor([editor] { return editor->openForApply(); });
    w->Form2->setFunctionList(w->FormFunc);
    w->FormFunc->setDialogs(w->FormDelFunc, w->Form2);
    w->FormFirm->setDialogs(w->FormRekvizit, w->FormDelFirm, w->FormDelFirm1);
    w->FormRekvizit->setDialogs(w->FormBank, w->FormSave);
    w->FormClient->setDialogs(w->FormAddClient, w->FormDelFirm);
    w->FormAgent->setAgentCard(w->FormAddAgent);
    w->FormReport->setDialogs(w->FormSlk, w->FormReportList, w->FormChangeRep, w->FormErrNDS);
    w->FormReportList->setDialogs(w->FormDelRep, w->Form23);
    w->FormReportList->setHost(w->FormReport);

    main->attachWindow(TFormMain::Target::Firms, w->FormFirm);
    main->attachWindow(TFormMain::Target::Agent, w->FormAgent);
    main->attachWindow(TFormMain::Target::Client, w->FormClient);
    main->attachWindow(TFormMain::Target::Tarif, w->Form1);
    main->attachWindow(TFormMain::Target::Report, w->FormReport);
    main->addCloseGuard([report = w->FormReport] { return report->mayClose(); });
    main->attachSizedWindow(SizedWindow::PriceList, w->Form1);
    main->attachSizedWindow(SizedWindow::Organizations, w->FormFirm);
    main->attachSizedWindow(SizedWindow::OrganizationCard, w->FormRekvizit);
    main->attachSizedWindow(SizedWindow::ClientContracts, w->FormClient);
    main->attachSizedWindow(SizedWindow::ReportList, w->FormReportList);
}

namespace {

// Calls `then` (through the event loop, once the window is painted) the first time `window`
// is on the screen.
class FirstExposure : public QObject {
public:
    FirstExposure(QWindow& window, std::function<void()> then)
        : QObject(&window), then_(std::move(then)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window->isExposed() && then_) {
            QTimer::singleShot(0, this, std::exchange(then_, {}));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
};

} // namespace

int runProgram(const std::filesystem::path& executable, MessageSink& messages,
               const std::function<void(ProgramWindows&)>& onShown,
               const std::filesystem::path& dataFolder) {
    auto store = std::make_unique<DataStore>();
    store->ProgramFolder = dataFolderFromExecutable(executable);
    store->DataFolder =
        dataFolder.empty() ? store->ProgramFolder : dataFolderFromChosen(dataFolder);
    const DataFolderLock folderLock(store->DataFolder);
    if (folderLock.heldElsewhere()) {
        messages.showMessage(QString::fromUtf8(DataFolderLock::kHeldElsewhereMessage));
        return 1;
    }
    if (folderLock.held()) {
        // A restore a killed run committed is finished before anything is read.
        try {
            finishInterruptedRestore(store->DataFolder);
        } catch (const IoError& error) {
            messages.showMessage(fileErrorText(error, *store));
            return 1;
        }
    }
    const bool writable = dataFolderTakesSaves(store->DataFolder);
    if (!loadTablesAtStartup(*store, messages)) {
        return 1;
    }
    // Said once; then every save that fails still says so, naming its file.
    if (!writable) {
        messages.showMessage(
            QString::fromStdString(unwritableDataFolderMessage(store->DataFolder)));
    }
    AppContext context{*store, messages};
    // The main window is shown first; the windows it opens are built once it is on the screen,
    // or at once when one of them is asked for before.
    const auto windows = createMainWindow(context);
    TFormMain* main = windows->FormMain.get();
    bool built = false;
    const std::function<void()> buildTheRest = [&] {
        if (built) {
            return;
        }
        built = true;
        createOtherWindows(*windows, context);
        if (onShown) {
            QTimer::singleShot(0, main, [&] { onShown(*windows); });
        }
    };
    main->setWindowBuilder(buildTheRest);
    bool tidied = !writable || !folderLock.held();
    const std::function<void()> afterShown = [&] {
        if (!tidied) {
            tidied = true;
            removeLeftoversOfKilledSaves(*store, messages);
        }
        buildTheRest();
    };
    main->show();
    if (QWindow* window = main->windowHandle()) {
        new FirstExposure(*window, afterShown);
    }
    // A platform that never says the window is exposed still gets its windows.
    QTimer::singleShot(250, main, afterShown);
    const int status = QApplication::exec();
    return windows->FormMain->restartRequested() ? kRestartProgram : status;
}

} // namespace kestrelon
