#include "mail_program.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <memory>

namespace kestrelon {

void startMailProgram(const std::vector<std::string>& arguments, QObject* context,
                      std::function<void(const MailOutcome&)> done, int graceMs) {
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(kMailProgram));
    if (program.isEmpty()) {
        done(MailFailure{MailFailure::Kind::Missing, 0});
        return;
    }
    QStringList args;
    for (const std::string& argument : arguments) {
        args.append(QString::fromStdString(argument));
    }
    // No parent: a mail program still open when this program ends must not be killed with it.
    // The process object goes once it has ended.
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(args);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());

    const QPointer<QObject> guard(context);
    auto reported = std::make_shared<bool>(false);
    // Told from the event loop, not from inside the process's signal: the caller may open a
    // message box there.
    auto report = [guard, reported, done = std::move(done)](const MailOutcome& outcome) {
        if (*reported || !guard) {
            return;
        }
        *reported = true;
        QMetaObject::invokeMethod(
            guard.data(), [done, outcome] { done(outcome); }, Qt::QueuedConnection);
    };
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, report](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             report(MailFailure{MailFailure::Kind::NotStarted, 0});
                             process->deleteLater();
                         }
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, report](int status, QProcess::ExitStatus how) {
                         if (how == QProcess::CrashExit) {
                             report(MailFailure{MailFailure::Kind::Crashed, 0});
                         } else if (status != 0) {
                             report(MailFailure{MailFailure::Kind::ExitStatus, status});
                         } else {
                             report(std::nullopt);
                         }
                         process->deleteLater();
                     });
    QTimer::singleShot(graceMs, process, [report] { report(std::nullopt); });
    process->start();
}

MailOutcome runMailProgram(const std::vector<std::string>& arguments, int graceMs) {
    QEventLoop loop;
    std::optional<MailOutcome> outcome;
    startMailProgram(
        arguments, &loop,
        [&](const MailOutcome& result) {
            outcome = result;
            loop.quit();
        },
        graceMs);
    if (!outcome) {
        loop.exec();
    }
    // The process object of a mail program that has ended goes now, not at the next loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return outcome.value_or(std::nullopt);
}

} // namespace kestrelon
