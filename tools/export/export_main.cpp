// kestrelon-export REPORT.rep OUT_FOLDER: see export_command.cpp for what it writes.

#include "export_command.h"

#include <QGuiApplication>
#include <csignal>
#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    // The exporter draws into files only; without a chosen platform it needs no display.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // A file-size limit fails the write, which is then said, instead of killing the run.
    std::signal(SIGXFSZ, SIG_IGN);
    QGuiApplication app(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return kestrelon::runExport(args, std::cout, std::cerr);
}
