#include "mail_program.h"

#include "desktop_program.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QStandardPaths>
#include <QStringList>

namespace kestrelon {

void startMailProgram(const std::vector<std::string>& arguments, QObject* context,
                      std::function<void(const MailOutcome&)> done, int graceMs) {
    const QString program = QString::fromLatin1(kMailProgram);
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        done(MailFailure{MailFailure::Kind::Missing, 0});
        return;
    }
    QStringList args;
    for (const std::string& argument : arguments) {
        args.append(QString::fromStdString(argument));
    }
    startDesktopProgram(program, args, context, std::move(done), graceMs);
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
