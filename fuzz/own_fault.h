#pragma once
// Telling a fault in this program's own code from a library's, in a reading child of a fuzz
// target. A library that crashes on a damaged file is what the program is built to survive: it
// tells the user the file is damaged and goes on. A crash or a sanitizer's report in our own
// code is a finding, and has to reach the fuzzer.

#include <csignal>

namespace kestrelon::fuzz {

// What the parent sends a child that has read one input for too long: the child prints where
// it is, tells whether that is the program's code as for a fault, and ends.
inline constexpr int kHungSignal = SIGUSR1;

// Sets the handlers of the calling child: when a crashing signal, a sanitizer or kHungSignal
// stops it and the innermost frame of its call stack that is neither the C/C++ runtime nor a
// sanitizer's lies in the program's code, the byte `mark` is written to `fd` before the child
// ends as it would have ended anyway.
void tellOwnFaultsTo(int fd, char mark);

} // namespace kestrelon::fuzz
