#pragma once
// kestrelon-export run as a user runs it, its exit status and what it wrote to its streams.

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>

namespace kestrelon::test {

struct ExporterRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// With `fileSizeLimit` the exporter runs under that limit on the size of any file it writes,
// as on a nearly full disk.
inline ExporterRun runExporter(const QStringList& args, rlim_t fileSizeLimit = RLIM_INFINITY) {
    QProcess process;
    if (fileSizeLimit != RLIM_INFINITY) {
        process.setChildProcessModifier([fileSizeLimit] {
            rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(QStringLiteral(KESTRELON_EXPORT_EXE), args);
    EXPECT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "the exporter crashed";
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

} // namespace kestrelon::test
