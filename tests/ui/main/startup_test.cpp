#include "reports/files/report_folder.h"
#include "sample_logo.h"
#include "store/data_folder_lock.h"
#include "support/temp_folder.h"
#include "ui/catalogues/tform_firm.h"
#include "ui/main/program_windows.h"
#include "ui/reports/tform_report_list.h"
#include "ui/support/recording_sink.h"

#include <QApplication>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kestrelon {
namespace {

std::string asBytes(const LogoParams& p) {
    return std::string(reinterpret_cast<const char*>(&p), sizeof p);
}

struct RunOutcome {
    int exitCode = -1;
    bool shown = false;
    bool logoLaidOut = false;
};

// Runs the whole program as if its executable lay in `folder`, closing the main window as
// soon as it is shown.
RunOutcome runIn(const test::TempFolder& folder, MessageSink& sink) {
    RunOutcome outcome;
    outcome.exitCode = runProgram(folder.path() + "kestrelon", sink, [&](ProgramWindows& w) {
        outcome.shown = w.FormMain->isVisible();
        outcome.logoLaidOut = w.FormMain->logoLayout().has_value();
        w.FormMain->close();
    });
    return outcome;
}

std::size_t fileCount(const std::string& folder) {
    const std::filesystem::directory_iterator it(folder);
    return static_cast<std::size_t>(std::distance(begin(it), end(it)));
}

TEST(Startup, FirstRunInAnEmptyFolderWritesOnlyTheWindowSizes) {
    test::TempFolder folder;
    test::RecordingSink sink;
    const RunOutcome outcome = runIn(folder, sink);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.shown);
    EXPECT_FALSE(outcome.logoLaidOut);
    EXPECT_TRUE(sink.messages.isEmpty());
    // The windows' sizes differ from the zeros of a missing "FormW", so closing writes it, and
    // nothing else: the agent contract's defaults stay in memory until the user saves them.
    EXPECT_EQ(fileCount(folder.path()), 1u);
    EXPECT_EQ(folder.readFile("FormW").size(), 128u);
}

TEST(Startup, ASecondRunWithTheSameSizesWritesNothing) {
    test::TempFolder folder;
    test::RecordingSink sink;
    ASSERT_EQ(runIn(folder, sink).exitCode, 0);
    const std::string first = folder.readFile("FormW");
    std::remove((folder.path() + "FormW").c_str());
    folder.writeFile("FormW", first);
    const auto before = std::filesystem::last_write_time(folder.path() + "FormW");
    ASSERT_EQ(runIn(folder, sink).exitCode, 0);
    EXPECT_EQ(folder.readFile("FormW"), first);
    EXPECT_EQ(std::filesystem::last_write_time(folder.path() + "FormW"), before);
}

TEST(Startup, TheMainWindowOpensTheCatalogueWindows) {
    test::TempFolder folder;
    test::RecordingSink sink;
    bool firms = false, agent = false, client = false, report = false;
    runProgram(folder.path() + "kestrelon", sink, [&](ProgramWindows& w) {
        firms = w.FormMain->findChild<QWidget*>(QStringLiteral("SpeedButton1"))->isEnabled();
        agent = w.FormMain->findChild<QWidget*>(QStringLiteral("SpeedButton2"))->isEnabled();
        client = w.FormMain->findChild<QWidget*>(QStringLiteral("SpeedButton3"))->isEnabled();
        report = w.FormMain->findChild<QWidget*>(QStringLiteral("SpeedButton5"))->isEnabled();
        w.FormMain->close();
    });
    EXPECT_TRUE(firms);
    EXPECT_TRUE(agent);
    EXPECT_TRUE(client);
    EXPECT_TRUE(report);
}

TEST(Startup, TheReportListsSizeIsKeptAtShutDown) {
    test::TempFolder folder;
    test::RecordingSink sink;
    runProgram(folder.path() + "kestrelon", sink, [&](ProgramWindows& w) {
        w.FormReportList->resize(777, 444);
        w.FormMain->close();
    });
    WindowState kept;
    const std::string bytes = folder.readFile("FormW");
    ASSERT_EQ(bytes.size(), sizeof kept);
    std::memcpy(&kept, bytes.data(), sizeof kept);
    EXPECT_EQ(kept.size(SizedWindow::ReportList), (WindowSize{777, 444}));
}

TEST(Startup, AFirmsFileOneByteShortStopsBeforeAnyWindow) {
    test::TempFolder folder;
    folder.writeFile("Firms", 189823);
    test::RecordingSink sink;
    const RunOutcome outcome = runIn(folder, sink);
    EXPECT_NE(outcome.exitCode, 0);
    EXPECT_FALSE(outcome.shown);
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_EQ(sink.messages[0], QStringLiteral("Read beyond end of file\n%1Firms")
                                    .arg(QString::fromStdString(folder.path())));
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
}

TEST(Startup, AShortAgentFileIsShownAndStartUpGoesOn) {
    test::TempFolder folder;
    folder.writeFile("Agent", 100);
    test::RecordingSink sink;
    const RunOutcome outcome = runIn(folder, sink);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.shown);
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].startsWith(QStringLiteral("Read beyond end of file\n")));
}

TEST(Startup, AnotherWorkingDirectoryReadsTheExecutablesFolder) {
    test::TempFolder folder;
    test::TempFolder elsewhere;
    folder.writeFile("Tel", asBytes(test::sampleLogoParams()));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere.path());
    test::RecordingSink sink;
    const RunOutcome outcome = runIn(folder, sink);
    std::filesystem::current_path(previous);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.logoLaidOut) << "Tel was read from the executable's folder";
    EXPECT_EQ(fileCount(elsewhere.path()), 0u);
}

// The folder's files, name and bytes, to prove that a run left them as they were.
std::map<std::string, std::string> folderContents(const test::TempFolder& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        contents[name] = folder.readFile(name);
    }
    return contents;
}

TEST(Startup, ASecondCopyOnTheSameFolderEndsWithoutTouchingAFile) {
    test::TempFolder folder;
    folder.writeFile("Firms", 189824, 'f');
    folder.writeFile("FormW", 128, 'w');
    const DataFolderLock firstCopy(folder.path());
    ASSERT_TRUE(firstCopy.held());
    const auto before = folderContents(folder);
    const auto written = std::filesystem::last_write_time(folder.path() + "FormW");
    test::RecordingSink sink;
    const RunOutcome outcome = runIn(folder, sink);
    EXPECT_NE(outcome.exitCode, 0);
    EXPECT_FALSE(outcome.shown);
    EXPECT_EQ(sink.messages,
              QStringList{QStringLiteral("Программа уже запущена с этой папкой данных")});
    EXPECT_EQ(folderContents(folder), before);
    EXPECT_EQ(std::filesystem::last_write_time(folder.path() + "FormW"), written);
}

// No one, root neither, makes files in /proc: a data folder that takes no saves. Start-up says so
// once and the program runs; closing it after a window was resized says that "FormW" could not
// be written, naming it, and the program ends.
TEST(Startup, AnUnwritableDataFolderIsSaidOnceAndTheProgramRunsAndEnds) {
    test::TempFolder programFolder;
    test::RecordingSink sink;
    QStringList saidAtStart;
    bool shown = false;
    bool closed = false;
    const int exitCode = runProgram(
        programFolder.path() + "kestrelon", sink,
        [&](ProgramWindows& w) {
            saidAtStart = sink.messages;
            shown = w.FormMain->isVisible();
            w.FormFirm->resize(w.FormFirm->width() + 40, w.FormFirm->height() + 30);
            closed = w.FormMain->close();
            if (!closed) {
                QCoreApplication::exit(3); // a main window that refuses to close hangs the run
            }
        },
        "/proc");
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(closed);
    EXPECT_EQ(saidAtStart, QStringList{QStringLiteral("Папка данных недоступна для записи: /proc; "
                                                      "изменения не будут сохранены")});
    ASSERT_EQ(sink.messages.size(), 2);
    EXPECT_TRUE(sink.messages[1].endsWith(QStringLiteral("\n/proc/FormW")))
        << sink.messages[1].toStdString();
}

// Saves killed before their rename leave temporary files; the next start removes them, silently,
// and only them.
TEST(Startup, LeftoversOfKilledSavesAreRemovedAndNothingElse) {
    test::TempFolder folder;
    const std::vector<std::string> leftovers = {"Firms.~4194305-0", "ArCol.ats.~4194306-17",
                                                "Март 2024.rep.~4194307-0", "list.trf.~4194308-999",
                                                "FormW.~" + std::to_string(::getpid()) + "-1"};
    for (const std::string& name : leftovers) {
        folder.writeFile(name, 1000, 'x');
    }
    const std::vector<std::string> others = {"Firms",     "Clients",          "Март 2024.rep",
                                             "list.trf",  "notes.~4194305-0", "Firms.~4194305-0~",
                                             "Firms.~1-0"};
    for (const std::string& name : others) {
        folder.writeFile(name, name == "Firms" ? 189824 : name == "Clients" ? 10880 : 10, 'y');
    }
    test::RecordingSink sink;
    ASSERT_EQ(runIn(folder, sink).exitCode, 0);
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join(' ').toStdString();
    for (const std::string& name : leftovers) {
        EXPECT_FALSE(folder.exists(name)) << name;
    }
    for (const std::string& name : others) {
        EXPECT_TRUE(folder.exists(name)) << name;
    }
    EXPECT_EQ(folder.readFile("Firms"), std::string(189824, 'y'));
}

// A copy killed while it ran leaves its lock file behind; the kernel released its lock.
TEST(Startup, TheLockOfAKilledCopyIsTakenOver) {
    test::TempFolder folder;
    const std::string lockPath = folder.path() + DataFolderLock::kFileName;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Only system calls here: the child of a process with threads.
        const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0644);
        const bool locked = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        const char held = locked ? 'y' : 'n';
        if (::write(ready[1], &held, 1) != 1) {
            ::_exit(1);
        }
        for (;;) {
            ::pause();
        }
    }
    ::close(ready[1]);
    char held = 0;
    const bool told = ::read(ready[0], &held, 1) == 1;
    ::close(ready[0]);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ASSERT_TRUE(told);
    ASSERT_EQ(held, 'y');

    test::RecordingSink sink;
    std::vector<FolderFile> reports{{"none listed yet", 0}};
    const int exitCode = runProgram(folder.path() + "kestrelon", sink, [&](ProgramWindows& w) {
        reports = listReportFiles(folder.path());
        w.FormMain->close();
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_TRUE(reports.empty()) << "the lock file is no report";
    EXPECT_FALSE(folder.exists(DataFolderLock::kFileName)) << "a closed copy removes its lock";
}

} // namespace
} // namespace kestrelon
