// What "PDF" and "Платежка" may not write over: a report file, a table of the data folder, or
// something other than a plain file; the file the user chose stays as it was, and it is said.

#include "report_outputs.h"
#include "ui/support/scripted_report_dialogs.h"

#include <QDir>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrelon {
namespace {

using test::click;

class ProtectedOutputsTest : public test::ReportOutputsTest {};

// "PDF" always writes a name ending ".pdf", so a stored report is never in its way; a FIFO or a
// symbolic link of that name is refused and stays as it was.
TEST_F(ProtectedOutputsTest, PdfRefusesAFifoOrALinkAndNeverTouchesAReport) {
    prepareMonth();
    folder.writeFile("old.rep", "a stored report");
    folder.writeFile("target.pdf", "kept");
    ASSERT_EQ(::mkfifo((folder.path() + "pipe.pdf").c_str(), 0600), 0);
    ASSERT_EQ(
        ::symlink((folder.path() + "target.pdf").c_str(), (folder.path() + "link.pdf").c_str()), 0);
    tabs()->setCurrentIndex(TFormReport::InvoiceTab);
    const struct {
        const char* chosen;
        const char* says; // empty: written
    } cases[] = {
        {"old.rep", ""}, // written as old.rep.pdf
        {"pipe.pdf", "is a FIFO"},
        {"link.pdf", "is a symbolic link"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        sink.messages.clear();
        const QString path = QString::fromStdString(folder.path() + c.chosen);
        test::scriptedDialogs(*report).setPdfFileChooser(
            [path](QWidget*, const QString&) { return path; });
        click(*report, QStringLiteral("SpeedButton10")); // "PDF"
        if (*c.says == '\0') {
            EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('|').toStdString();
            continue;
        }
        ASSERT_EQ(sink.messages.size(), 1);
        EXPECT_TRUE(sink.messages[0].contains(QString::fromUtf8(c.says)))
            << sink.messages[0].toStdString();
    }
    EXPECT_EQ(folder.readFile("old.rep"), "a stored report");
    EXPECT_TRUE(folder.exists("old.rep.pdf"));
    EXPECT_EQ(folder.readFile("target.pdf"), "kept");
    struct stat entry {};
    ASSERT_EQ(::lstat((folder.path() + "pipe.pdf").c_str(), &entry), 0);
    EXPECT_TRUE(S_ISFIFO(entry.st_mode));
    ASSERT_EQ(::lstat((folder.path() + "link.pdf").c_str(), &entry), 0);
    EXPECT_TRUE(S_ISLNK(entry.st_mode));
}

} // namespace
} // namespace kestrelon
