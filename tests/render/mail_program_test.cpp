// How the outcome of the desktop's mail program is judged: its exit within the grace period,
// or its still running after it.

#include "render/mail_program.h"
#include "support/mail_stand_in.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace kestrelon {
namespace {

// A mail program left running is this program's no longer; in a test it ends before the next
// case, its late exit changing nothing.
void letItEnd(const test::MailStandIn& mail) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000 && !mail.ended()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    for (int k = 0; k < 10; ++k) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST(MailProgram, AnExitWithinTheGracePeriodDecidesLaterItCountsAsOpened) {
    using Kind = MailFailure::Kind;
    const struct {
        const char* name;
        std::optional<int> exitStatus; // nothing: no xdg-email on PATH
        const char* before;
        std::optional<Kind> failure;
        int status;
        bool runsOn = false; // past the grace period
    } cases[] = {
        {"exits 0", 0, "", std::nullopt, 0},
        {"exits 4", 4, "", Kind::ExitStatus, 4},
        {"crashes", 0, "kill -SEGV $$", Kind::Crashed, 0},
        // It started the mail program and waits for it: the message is open.
        {"still running", 1, "sleep 2", std::nullopt, 0, true},
        {"missing", std::nullopt, "", Kind::Missing, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto mail = c.exitStatus
                              ? std::make_unique<test::MailStandIn>(*c.exitStatus, c.before)
                              : std::make_unique<test::MailStandIn>(test::kNoMailProgram);
        QElapsedTimer clock;
        clock.start();
        const MailOutcome outcome = runMailProgram({"--subject", "s"}, 500);
        EXPECT_LT(clock.elapsed(), 1800) << "waits no longer than the grace period";
        ASSERT_EQ(outcome.has_value(), c.failure.has_value());
        if (outcome) {
            EXPECT_EQ(outcome->kind, *c.failure);
            EXPECT_EQ(outcome->exitStatus, c.status);
        }
        if (c.exitStatus) {
            EXPECT_EQ(mail->arguments(), (std::vector<std::string>{"--subject", "s"}));
        }
        if (c.runsOn) {
            letItEnd(*mail);
        }
    }
}

} // namespace
} // namespace kestrelon
