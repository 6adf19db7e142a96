#include "program_windows.h"

#include "store/io_error.h"
#include "store/startup_load.h"

namespace kestrelon {
namespace {

QString describe(const IoError& error, const DataStore& store) {
    return QStringLiteral("%1\n%2").arg(QString::fromStdString(error.message()),
                                        QString::fromStdString(store.DataFolder +
                                                               error.fileName()));
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

} // namespace kestrelon
