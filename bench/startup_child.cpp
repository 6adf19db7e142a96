// Started afresh by startup_bench for every measurement: runs the program's whole start-up
// over the data folder given as its argument and says "shown" on its standard output the
// moment the main window is on the screen (as the bare window's yardstick says it), then closes
// it once the program has built its other windows.

#include "ui/main/program_windows.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

namespace {

class NullSink : public kestrelon::MessageSink {
public:
    void showMessage(const QString&) override {}
};

// Says "shown" when the main window is first exposed.
class ShownSayer : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (!said_ && window != nullptr && event->type() == QEvent::Expose && window->isExposed() &&
            window->title() == QStringLiteral("Kestrelon")) {
            said_ = true;
            // Once the exposure is handled (the window painted), as the yardstick's wait
            // returns.
            QTimer::singleShot(0, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool said_ = false;
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
    ShownSayer sayer;
    app.installEventFilter(&sayer);
    NullSink sink;
    return kestrelon::runProgram(executable, sink,
                                 [](kestrelon::ProgramWindows& w) { w.FormMain->close(); });
}
