// The program's entry. Without arguments everything it needs is in the folder of its
// executable; --data-folder moves the data elsewhere (an installed copy cannot write beside
// its executable).

#include "backup_command.h"
#include "command_line.h"
#include "store/startup_load.h"
#include "ui/main/program_windows.h"
#include "ui/widgets/qt_translation.h"
#include "ui/widgets/screen_fit.h"

#include <QApplication>
#include <csignal>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

int main(int argc, char** argv) {
    using kestrelon::CommandLine;
    const std::string program = argc > 0 ? argv[0] : "kestrelon";
    // A file-size limit fails the write, which is then said, instead of killing the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const CommandLine line = kestrelon::parseCommandLine(
        std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    if (line.action == CommandLine::Action::Help) {
        std::fputs(kestrelon::usageText(program).c_str(), stdout);
        return 0;
    }
    if (line.action == CommandLine::Action::Error) {
        std::fprintf(stderr, "%s: %s\n\n%s", program.c_str(), line.error.c_str(),
                     kestrelon::usageText(program).c_str());
        return 2;
    }
    if (line.action != CommandLine::Action::Run) {
        std::error_code unknown;
        const std::filesystem::path executable =
            std::filesystem::read_symlink("/proc/self/exe", unknown);
        const std::string folder = line.dataFolder.empty()
                                       ? kestrelon::dataFolderFromExecutable(executable)
                                       : kestrelon::dataFolderFromChosen(line.dataFolder);
        return kestrelon::runBackupCommand(line, folder, std::cout, std::cerr);
    }
    if (!line.dataFolder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(line.dataFolder, error);
        if (error) {
            std::fprintf(stderr, "%s: cannot create the data folder %s: %s\n", program.c_str(),
                         line.dataFolder.c_str(), error.message().c_str());
            return 1;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrelon"));
    if (!kestrelon::installQtRussian(app)) {
        std::fprintf(stderr,
                     "%s: Qt's Russian translation (qt6-translations-l10n) is missing; "
                     "Qt's own dialogs stay in English\n",
                     program.c_str());
    }
    kestrelon::fitWindowsToScreen(app);
    kestrelon::MessageBoxSink messages;
    std::function<void(kestrelon::ProgramWindows&)> onShown;
    if (line.closeWhenShown) {
        onShown = [](kestrelon::ProgramWindows& windows) { windows.FormMain->close(); };
    }
    const int status = kestrelon::runProgram(QCoreApplication::applicationFilePath().toStdString(),
                                             messages, onShown, line.dataFolder);
    if (status == kestrelon::kRestartProgram) {
        // A backup was restored: the program starts again on the restored folder, its lock
        // given up with the run that ended.
        ::execv("/proc/self/exe", argv);
        std::fprintf(stderr, "%s: cannot start again: %s\n", program.c_str(), std::strerror(errno));
        return 1;
    }
    return status;
}
