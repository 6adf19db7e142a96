#include "logo_animation.h"

namespace kestrelon {

bool LogoAnimation::start(std::size_t pointCount) {
    if (pointCount == 0) {
        phase_ = Phase::Finished;
        return false;
    }
    phase_ = Phase::Appearing;
    pass_ = 0;
    step_ = kPasses;
    return true;
}

LogoAnimation::TickResult LogoAnimation::tick(std::size_t pointCount, const DrawPoint& draw) {
    if (phase_ == Phase::Finished) {
        return {};
    }
    const bool ownColour = phase_ == Phase::Appearing;
    int counter = step_;
    for (std::size_t i = 0; i < pointCount; ++i) {
        if (counter == kPasses) {
            counter = 0;
            draw(i, ownColour);
        }
        ++counter;
    }

    ++pass_;
    if (pass_ < kPasses) {
        step_ = pass_;
        return {kPassIntervalMs, false};
    }
    pass_ = 0;
    step_ = kPasses;
    if (phase_ == Phase::Appearing) {
        phase_ = Phase::Dissolving;
        return {kHoldIntervalMs, false};
    }
    phase_ = Phase::Finished;
    return {-1, true};
}

} // namespace kestrelon
