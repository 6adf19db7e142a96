#pragma once
// Starting the desktop's mail program (xdg-email) with a report's documents attached.
//
// xdg-email may hand the message to a mail program that is already running and end at once,
// or start one and stay until the user closes it. So it is given a grace period: an exit with
// a non-zero status or a crash within it is a failure; still running after it, it is taken to
// have opened the message, and is left running, even past the end of this program.

#include "documents/input/report_mail.h"

#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kestrelon {

inline constexpr int kMailGraceMs = 5000;

// Nothing when the mail program opened the message, else what went wrong.
using MailOutcome = std::optional<MailFailure>;

// Starts xdg-email with `arguments` (UTF-8) and returns at once; `done` is called once, from
// the event loop (at once when xdg-email is not on PATH), unless `context` is gone by then.
void startMailProgram(const std::vector<std::string>& arguments, QObject* context,
                      std::function<void(const MailOutcome&)> done, int graceMs = kMailGraceMs);

// The same, waiting for the outcome: for the command line.
MailOutcome runMailProgram(const std::vector<std::string>& arguments, int graceMs = kMailGraceMs);

} // namespace kestrelon
