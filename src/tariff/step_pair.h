#pragma once
// The "X10" and "X100" toggles of the mark-up tool: at most one of them is down, and the
// one that is down sets the step of both percentage counters.

namespace kestrelon::tariff {

class StepPair {
public:
    // Pressing a toggle puts it down and the other up; pressing the one that is down
    // releases it.
    void pressX10() { press(10); }
    void pressX100() { press(100); }

    bool x10Down() const { return down_ == 10; }
    bool x100Down() const { return down_ == 100; }
    // 10 or 100 while a toggle is down, 1 otherwise.
    int step() const { return down_ == 0 ? 1 : down_; }

private:
    void press(int step) { down_ = down_ == step ? 0 : step; }

    int down_ = 0;
};

} // namespace kestrelon::tariff
