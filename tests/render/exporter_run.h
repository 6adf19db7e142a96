#pragma once
// kestrelon-export run as a user runs it, its exit status and what it wrote to its streams.

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>

namespace kestrelon::test {

struct ExporterRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline ExporterRun runExporter(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(KESTRELON_EXPORT_EXE), args);
    EXPECT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "the exporter crashed";
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

} // namespace kestrelon::test
