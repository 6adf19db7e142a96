// The yardstick of start-up: a bare Qt program that shows one window with a label and says
// "shown" on its standard output the moment it is on screen, as startup_child does for the
// program.

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Kestrelon"));
    label.show();
    (void)QTest::qWaitForWindowExposed(&label);
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
    return 0;
}
