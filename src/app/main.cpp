// The program's entry: fixes DataFolder, loads the tables, creates the windows and runs
// the event loop. It takes no arguments and reads no environment of its own.

#include "store/startup_load.h"
#include "ui/program_windows.h"

#include <QApplication>
#include <filesystem>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrelon"));

    auto store = std::make_unique<kestrelon::DataStore>();
    store->DataFolder = kestrelon::dataFolderFromExecutable(
        std::filesystem::path(QCoreApplication::applicationFilePath().toStdString()));

    kestrelon::MessageBoxSink messages;
    if (!kestrelon::loadTablesAtStartup(*store, messages)) {
        return 1;
    }
    kestrelon::AppContext context{*store, messages};
    const auto windows = kestrelon::createProgramWindows(context);
    windows->FormMain->show();
    return QApplication::exec();
}
