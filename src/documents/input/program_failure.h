#pragma once
// How a desktop helper program (xdg-email, xdg-open) failed to do what it was started for.

namespace kestrelon {

struct ProgramFailure {
    enum class Kind {
        Missing,    // not on PATH
        NotStarted, // there, but it would not run
        ExitStatus, // it ran and ended with a non-zero status
        Crashed,
    };
    Kind kind = Kind::Missing;
    int exitStatus = 0;
};

} // namespace kestrelon
