#include "program_windows.h"

#include "store/io_error.h"
#include "store/startup_load.h"

#include <QApplication>
#include <QTimer>

namespace kestrelon {
namespace {

QString describe(const IoError& error, const DataStore& store) {
    return QStringLiteral("%1\n%2").arg(
        QString::fromStdString(error.message()),
        QString::fromStdString(store.DataFolder + error.fileName()));
}

// The agent contract window loads "Agent" when it is created; a failure is shown and
// start-up goes on with the contract as far as it was read.
void loadAgentOnCreate(AppContext& context) {
    try {
        loadAgentContract(context.store);
    } catch (const IoError& error) {
        context.messages.showMessage(describe(error, context.store));
    }
}

} // namespace

bool loadTablesAtStartup(DataStore& store, MessageSink& messages) {
    try {
        loadStartupTables(store);
        return true;
    } catch (const IoError& error) {
        messages.showMessage(describe(error, store));
        return false;
    }
}

std::unique_ptr<ProgramWindows> createProgramWindows(AppContext& context) {
    auto windows = std::make_unique<ProgramWindows>();
    windows->FormMain = std::make_unique<TFormMain>(context);
    loadAgentOnCreate(context);
    return windows;
}

int runProgram(const std::filesystem::path& executable, MessageSink& messages,
               const std::function<void(ProgramWindows&)>& onShown) {
    auto store = std::make_unique<DataStore>();
    store->DataFolder = dataFolderFromExecutable(executable);
    if (!loadTablesAtStartup(*store, messages)) {
        return 1;
    }
    AppContext context{*store, messages};
    const auto windows = createProgramWindows(context);
    windows->FormMain->show();
    if (onShown) {
        QTimer::singleShot(0, windows->FormMain.get(), [&] { onShown(*windows); });
    }
    return QApplication::exec();
}

} // namespace kestrelon
