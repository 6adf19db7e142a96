#include "ui/main/logo_animation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kestrelon {
namespace {

struct Pass {
    std::vector<std::size_t> points;
    bool ownColour = false;
    LogoAnimation::TickResult result;
};

Pass runPass(LogoAnimation& animation, std::size_t count) {
    Pass pass;
    pass.result = animation.tick(count, [&](std::size_t i, bool own) {
        pass.points.push_back(i);
        pass.ownColour = own;
    });
    return pass;
}

TEST(LogoAnimation, ThirtyTwoPointsAreDrawnInTheGivenPassOrder) {
    LogoAnimation animation;
    ASSERT_TRUE(animation.start(32));
    std::vector<Pass> passes;
    for (int i = 0; i < 16; ++i) {
        passes.push_back(runPass(animation, 32));
    }
    EXPECT_EQ(passes[0].points, (std::vector<std::size_t>{0, 16}));
    EXPECT_EQ(passes[1].points, (std::vector<std::size_t>{15, 31}));
    EXPECT_EQ(passes[2].points, (std::vector<std::size_t>{14, 30}));
    EXPECT_EQ(passes[15].points, (std::vector<std::size_t>{1, 17}));
    EXPECT_TRUE(passes[0].ownColour);
}

TEST(LogoAnimation, TimingsAndPhasesOfAWholeRun) {
    LogoAnimation animation;
    ASSERT_TRUE(animation.start(40));
    std::vector<int> intervals;
    std::vector<bool> colours;
    std::vector<bool> repaints;
    for (int i = 0; i < 32; ++i) {
        const Pass pass = runPass(animation, 40);
        intervals.push_back(pass.result.nextIntervalMs);
        colours.push_back(pass.ownColour);
        repaints.push_back(pass.result.repaint);
    }
    for (int i = 0; i < 32; ++i) {
        SCOPED_TRACE(i);
        const int expected = i == 15 ? 5000 : (i == 31 ? -1 : 250);
        EXPECT_EQ(intervals[i], expected);
        EXPECT_EQ(colours[i], i < 16);
        EXPECT_EQ(repaints[i], i == 31);
    }
    EXPECT_EQ(animation.phase(), LogoAnimation::Phase::Finished);
    // Once finished, a tick draws nothing and keeps the timer stopped.
    const Pass after = runPass(animation, 40);
    EXPECT_TRUE(after.points.empty());
    EXPECT_EQ(after.result.nextIntervalMs, -1);
}

TEST(LogoAnimation, EachPhaseDrawsEveryPointExactlyOnce) {
    for (std::size_t count : {1u, 15u, 17u, 37u, 18001u}) {
        SCOPED_TRACE(count);
        LogoAnimation animation;
        ASSERT_TRUE(animation.start(count));
        for (int phase = 0; phase < 2; ++phase) {
            std::vector<int> drawn(count, 0);
            for (int i = 0; i < 16; ++i) {
                animation.tick(count, [&](std::size_t p, bool) { ++drawn[p]; });
            }
            EXPECT_EQ(std::count(drawn.begin(), drawn.end(), 1), static_cast<long>(count));
        }
    }
}

TEST(LogoAnimation, NoPointsNoAnimation) {
    LogoAnimation animation;
    EXPECT_FALSE(animation.start(0));
    EXPECT_EQ(animation.phase(), LogoAnimation::Phase::Finished);
}

} // namespace
} // namespace kestrelon
