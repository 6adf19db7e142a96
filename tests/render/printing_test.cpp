#include "documents/render/printing.h"
#include "sample_report.h"
#include "screen_texts.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace kestrelon {
namespace {

// Sets an environment variable for the test's duration.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Printing, WithoutADefaultPrinterItSaysSoInsteadOfPrinting) {
    // A print server that is not there, and no printer named by the user's settings.
    QTemporaryDir dir;
    const std::string socket = dir.filePath("no-server.sock").toStdString();
    const std::string settings = dir.path().toStdString();
    const ScopedEnv server("CUPS_SERVER", socket.c_str());
    const ScopedEnv serverRoot("CUPS_SERVERROOT", settings.c_str());
    const ScopedEnv home("HOME", settings.c_str());
    const ScopedEnv printer("PRINTER", nullptr);
    const ScopedEnv lpdest("LPDEST", nullptr);

    const DocumentInput input = documentInputFromReport(*test::sampleReport());
    const OutputResult result =
        printDocument(DocumentKind::Act, test::screenTexts(DocumentKind::Act, input));
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error.toStdString(), "Принтер по умолчанию не найден.");
}

} // namespace
} // namespace kestrelon
