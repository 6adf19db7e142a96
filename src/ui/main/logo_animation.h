#pragma once
// The globe animation of the main window as a plain state machine: which points each
// timer tick draws, in which colour, and when the next tick comes.

#include <cstddef>
#include <cstdint>
#include <functional>

namespace kestrelon {

class LogoAnimation {
public:
    enum class Phase { Appearing = 0, Dissolving = 1, Finished = 2 };

    static constexpr int kFirstIntervalMs = 4000;
    static constexpr int kPassIntervalMs = 250;
    static constexpr int kHoldIntervalMs = 5000;
    static constexpr int kPasses = 16;

    struct TickResult {
        int nextIntervalMs = -1; // -1: the timer stays stopped
        bool repaint = false;    // the finished animation shows the pictogram again
    };

    // Called for each point the pass draws: its index, and whether it gets its own colour
    // (appearing) or the circle's colour (dissolving).
    using DrawPoint = std::function<void(std::size_t index, bool ownColour)>;

    // Starts the animation when there are points; returns false (and finishes) otherwise.
    bool start(std::size_t pointCount);
    TickResult tick(std::size_t pointCount, const DrawPoint& draw);

    Phase phase() const { return phase_; }
    int pass() const { return pass_; }

private:
    Phase phase_ = Phase::Finished;
    int pass_ = 0;
    int step_ = kPasses;
};

} // namespace kestrelon
