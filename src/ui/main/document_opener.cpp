#include "document_opener.h"

#include "render/desktop_program.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace kestrelon {
namespace {

constexpr int kQueryMs = 5000;

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// Asks the desktop which application opens the type. When the question cannot be asked (no
// xdg-utils), the opener is left to find out for itself.
bool desktopKnowsNoApplicationFor(const QMimeType& type) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), type.name()});
    if (!query.waitForFinished(kQueryMs) || query.exitStatus() != QProcess::NormalExit) {
        return false;
    }
    return query.readAllStandardOutput().trimmed().isEmpty();
}
const QString kOpener = QStringLiteral("xdg-open");
#else
bool desktopKnowsNoApplicationFor(const QMimeType&) {
    return false;
}
const QString kOpener;
#endif

} // namespace

void openWithAssociatedApplication(const QString& path, QObject* context, OpenDone done) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    // Web pages always have a browser to go to, even where no default is written down.
    if (!type.inherits(QStringLiteral("text/html")) && desktopKnowsNoApplicationFor(type)) {
        done(false);
        return;
    }
    if (kOpener.isEmpty() || QStandardPaths::findExecutable(kOpener).isEmpty()) {
        done(QDesktopServices::openUrl(QUrl::fromLocalFile(path)));
        return;
    }
    startDesktopProgram(
        kOpener, {path}, context,
        [done = std::move(done)](const ProgramOutcome& outcome) { done(!outcome.has_value()); });
}

} // namespace kestrelon
