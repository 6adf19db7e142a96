#include "sample_logo.h"
#include "ui/main/logo_layout.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

using test::sampleLogoParams;

TEST(LogoLayout, MainTelephoneFollowsTheFormulas) {
    const auto L = ComputeLogoLayout(sampleLogoParams());
    ASSERT_TRUE(L);
    const PhoneLayout& ph = L->mainPhone;
    EXPECT_EQ(ph.body, (LogoRect{20, 70, 120, 130}));
    EXPECT_EQ(ph.bodyRounding, 16);
    // X + K - A + 1 = 32, Y - 2B = 54; from (X + K, Y) to (X + K + A, Y - B).
    EXPECT_EQ(ph.leftNeck.ellipse, (LogoRect{32, 54, 50, 70}));
    EXPECT_EQ(ph.leftNeck.from, (LogoPoint{40, 70}));
    EXPECT_EQ(ph.leftNeck.to, (LogoPoint{49, 62}));
    EXPECT_EQ(ph.rightNeck.ellipse, (LogoRect{91, 54, 109, 70}));
    EXPECT_EQ(ph.rightNeck.from, (LogoPoint{91, 63}));
    EXPECT_EQ(ph.rightNeck.to, (LogoPoint{101, 70}));
    // hx = 20 - 10 = 10, hy = 70 - 8 - 20 = 42.
    EXPECT_EQ(ph.handset.ellipse, (LogoRect{10, 42, 130, 82}));
    EXPECT_EQ(ph.handset.from, (LogoPoint{130, 62}));
    EXPECT_EQ(ph.handset.to, (LogoPoint{10, 62}));
    EXPECT_EQ(ph.leftEar, (LogoRect{10, 46, 40, 60}));
    EXPECT_EQ(ph.rightEar, (LogoRect{100, 46, 130, 60}));
    EXPECT_EQ(ph.earRounding, 6);
    // dx = 20 + 26 = 46, dy = 70 + 12 = 82; lines a third in from each edge.
    EXPECT_EQ(ph.dial, (LogoRect{46, 82, 94, 118}));
    EXPECT_EQ(ph.dialLines[0].from, (LogoPoint{62, 82}));
    EXPECT_EQ(ph.dialLines[1].to, (LogoPoint{78, 118}));
    EXPECT_EQ(ph.dialLines[2].from, (LogoPoint{46, 94}));
    EXPECT_EQ(ph.dialLines[3].to, (LogoPoint{94, 106}));
}

TEST(LogoLayout, CircleAndMainCord) {
    const auto L = ComputeLogoLayout(sampleLogoParams());
    ASSERT_TRUE(L);
    // CY = Round(70 + 30 - 75) = 25.
    EXPECT_EQ(L->CY, 25);
    EXPECT_EQ(L->circle, (LogoRect{190, 25, 340, 175}));
    // k = trunc((CX - X + W) / 3) = trunc(270 / 3) = 90.
    const LogoCord expected = {{{120, 100}, {210, 70}, {100, 130}, {190, 100}}};
    EXPECT_EQ(L->mainCord, expected);
}

TEST(LogoLayout, SmallTelephonesScaleEachTermOnItsOwn) {
    const auto L = ComputeLogoLayout(sampleLogoParams());
    ASSERT_TRUE(L);
    const PhoneLayout& ph = L->smallPhones[0];
    EXPECT_EQ(ph.body, (LogoRect{400, 20, 450, 50}));
    EXPECT_EQ(ph.bodyRounding, 8);
    // Round(9 x 0.5) = 4 (a half goes to even), Round(20 x 0.5) = 10, the 1 is not scaled.
    EXPECT_EQ(ph.leftNeck.ellipse, (LogoRect{407, 12, 415, 20}));
    EXPECT_EQ(ph.leftNeck.to, (LogoPoint{414, 16}));
    // hx = Xn - Round(S x (D - W) / 2) = 400 - 5.
    EXPECT_EQ(ph.handset.ellipse.left, 395);
    EXPECT_EQ(L->smallPhones[1].body, (LogoRect{420, 80, 470, 110}));
}

TEST(LogoLayout, SmallCordsStartOnTheCircle) {
    const auto L = ComputeLogoLayout(sampleLogoParams());
    ASSERT_TRUE(L);
    // 45 degrees up: (Round(265 + 53.03), Round(100 - 53.03)); m = trunc((400 - 318) / 3) = 27.
    const LogoCord upper = {{{318, 47}, {345, 20}, {373, 50}, {400, 35}}};
    EXPECT_EQ(L->smallCords[0], upper);
    // Rightmost point of the circle; m = trunc((420 - 340) / 3) = 26.
    const LogoCord middle = {{{340, 100}, {366, 80}, {394, 110}, {420, 95}}};
    EXPECT_EQ(L->smallCords[1], middle);
    EXPECT_EQ(L->smallCords[2][0], (LogoPoint{318, 153}));
}

TEST(LogoLayout, CoordinatesOutsideTheStoredRangeAreRefused) {
    LogoParams p = sampleLogoParams();
    p.Y = 10; // the neck arcs would start at Y - 2B = -6
    EXPECT_FALSE(ComputeLogoLayout(p));
    p = sampleLogoParams();
    p.X = 65500; // the body would end beyond 65535
    EXPECT_FALSE(ComputeLogoLayout(p));
}

} // namespace
} // namespace kestrelon
