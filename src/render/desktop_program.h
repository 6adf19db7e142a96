#pragma once
// Starting a desktop helper program (xdg-email, xdg-open) and learning whether it did its work.
//
// Such a helper may hand the work to a program that is already running and end at once, or
// start one and stay until the user closes it. So it is given a grace period: an exit with a
// non-zero status or a crash within it is a failure; still running after it, it is taken to have
// done its work, and is left running, even past the end of this program.

#include "documents/input/program_failure.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

namespace kestrelon {

inline constexpr int kDesktopProgramGraceMs = 5000;

// Nothing when the program did its work, else what went wrong.
using ProgramOutcome = std::optional<ProgramFailure>;

// Starts `program` (looked up on PATH) with `arguments` and returns at once; `done` is called
// once, from the event loop (also when the program is not on PATH), unless `context` is gone by
// then.
void startDesktopProgram(const QString& program, const QStringList& arguments, QObject* context,
                         std::function<void(const ProgramOutcome&)> done,
                         int graceMs = kDesktopProgramGraceMs);

} // namespace kestrelon
