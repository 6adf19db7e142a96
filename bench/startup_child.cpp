// Started afresh by startup_bench for every measurement: runs the program's whole start-up
// over the data folder given as its argument and says "shown" on its standard output the
// moment the main window is on screen, then closes it.

#include "ui/main/program_windows.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>

namespace {

class NullSink : public kestrelon::MessageSink {
public:
    void showMessage(const QString&) override {}
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup_child DATA_FOLDER/\n");
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const std::string executable = std::string(argv[1]) + "kestrelon";
    QApplication app(argc, argv);
    NullSink sink;
    return kestrelon::runProgram(executable, sink, [](kestrelon::ProgramWindows& w) {
        (void)QTest::qWaitForWindowExposed(w.FormMain.get());
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        w.FormMain->close();
    });
}
