#include "report_files_fixture.h"
#include "reports/files/report_sync.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace kestrelon::test {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

TEST(SyncReports, CopiesMissingFilesBothWaysWithoutOverwriting) {
    TempFolder data, other;
    data.writeFile("a.rep", "data a");
    data.writeFile("b.rep", "data b");
    data.writeFile("odd.rep", 7, 'x'); // not a report by size, copied all the same
    data.writeFile("notes.txt", "not a report");
    other.writeFile("b.rep", "other b");
    other.writeFile("c.REP", "other c");
    other.writeFile("d.rep", "other d");
    other.writeFile("x.rdel", "deleted");

    const SyncResult result = SyncReports(data.path(), other.path());
    EXPECT_EQ(result.copiedOut, 2u);
    EXPECT_EQ(result.copiedIn, 2u);
    EXPECT_EQ(result.errorsOut + result.errorsIn, 0u);
    EXPECT_TRUE(result.rescanNeeded());

    EXPECT_EQ(other.readFile("a.rep"), "data a");
    EXPECT_EQ(other.readFile("odd.rep"), std::string(7, 'x'));
    EXPECT_EQ(data.readFile("b.rep"), "data b");
    EXPECT_EQ(other.readFile("b.rep"), "other b");
    EXPECT_EQ(data.readFile("c.REP"), "other c");
    EXPECT_EQ(data.readFile("d.rep"), "other d");
    EXPECT_FALSE(other.exists("notes.txt"));
    EXPECT_FALSE(data.exists("x.rdel"));

    EXPECT_EQ(
        linesOf(result.message),
        (std::vector<std::string>{data.path() + " > " + other.path(), "  Скопировано файлов 2"_cp,
                                  "  Ошибок 0"_cp, other.path() + " > " + data.path(),
                                  "  Скопировано файлов 2"_cp, "  Ошибок 0"_cp}));

    const SyncResult again = SyncReports(data.path(), other.path());
    EXPECT_EQ(again.copiedOut + again.copiedIn + again.errorsOut + again.errorsIn, 0u);
    EXPECT_FALSE(again.rescanNeeded());
}

// Root may write anywhere, so the copies run under an unprivileged user for this test.
class AsNobody {
public:
    AsNobody() : ok_(::seteuid(65534) == 0) {}
    ~AsNobody() {
        if (ok_ && ::seteuid(0) != 0) {
            std::abort();
        }
    }
    bool ok() const { return ok_; }

private:
    bool ok_;
};

TEST(SyncReports, CountsFilesThatCannotBeCopied) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs to run as root to switch to another user";
    }
    namespace fs = std::filesystem;
    TempFolder data, other;
    data.writeFile("a.rep", "data a");
    data.writeFile("b.rep", "data b");
    other.writeFile("c.rep", "other c");
    other.writeFile("secret.rep", "other secret");
    fs::permissions(data.path(), fs::perms::all);
    fs::permissions(other.path(), fs::perms::owner_all | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read |
                                      fs::perms::others_exec);
    fs::permissions(other.path() + "secret.rep", fs::perms::none);

    SyncResult result;
    {
        AsNobody nobody;
        ASSERT_TRUE(nobody.ok()) << "root could not switch to another user";
        result = SyncReports(data.path(), other.path());
    }
    EXPECT_EQ(result.copiedOut, 0u);
    EXPECT_EQ(result.errorsOut, 2u);
    EXPECT_EQ(result.copiedIn, 1u);
    EXPECT_EQ(result.errorsIn, 1u);
    EXPECT_EQ(linesOf(result.message)[2], "  Ошибок 2"_cp);
    EXPECT_EQ(linesOf(result.message)[5], "  Ошибок 1"_cp);
    EXPECT_EQ(data.readFile("c.rep"), "other c");
    EXPECT_FALSE(data.exists("secret.rep"));
    EXPECT_FALSE(other.exists("a.rep"));
}

} // namespace
} // namespace kestrelon::test
