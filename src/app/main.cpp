// The program's entry. It takes no arguments and reads no environment of its own:
// everything it needs is in the folder of its executable.

#include "ui/program_windows.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrelon"));
    kestrelon::MessageBoxSink messages;
    return kestrelon::runProgram(QCoreApplication::applicationFilePath().toStdString(), messages);
}
