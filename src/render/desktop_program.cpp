#include "desktop_program.h"

#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

namespace kestrelon {

void startDesktopProgram(const QString& program, const QStringList& arguments, QObject* context,
                         std::function<void(const ProgramOutcome&)> done, int graceMs) {
    const QPointer<QObject> guard(context);
    auto reported = std::make_shared<bool>(false);
    // Told from the event loop, not from inside the process's signal: the caller may open a
    // message box there.
    auto report = [guard, reported, done = std::move(done)](const ProgramOutcome& outcome) {
        if (*reported || !guard) {
            return;
        }
        *reported = true;
        QMetaObject::invokeMethod(
            guard.data(), [done, outcome] { done(outcome); }, Qt::QueuedConnection);
    };
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        report(ProgramFailure{ProgramFailure::Kind::Missing, 0});
        return;
    }
    // No parent: a program still open when this program ends must not be killed with it. The
    // process object goes once it has ended.
    auto* process = new QProcess;
    process->setProgram(path);
    process->setArguments(arguments);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, report](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             report(ProgramFailure{ProgramFailure::Kind::NotStarted, 0});
                             process->deleteLater();
                         }
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, report](int status, QProcess::ExitStatus how) {
                         if (how == QProcess::CrashExit) {
                             report(ProgramFailure{ProgramFailure::Kind::Crashed, 0});
                         } else if (status != 0) {
                             report(ProgramFailure{ProgramFailure::Kind::ExitStatus, status});
                         } else {
                             report(std::nullopt);
                         }
                         process->deleteLater();
                     });
    QTimer::singleShot(graceMs, process, [report] { report(std::nullopt); });
    process->start();
}

} // namespace kestrelon
