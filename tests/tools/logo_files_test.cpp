// The shipped picture files: the pictogram fits its area and the globe fits its circle.

#include "logo/globe_pixels.h"
#include "logo/logo_design.h"
#include "ui/main/logo_layout.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <utility>

namespace kestrelon {
namespace {

bool insidePicture(const LogoRect& r) {
    return r.left >= 0 && r.top >= 0 && r.right <= 529 && r.bottom <= 200;
}

TEST(ShippedLogo, EveryShapeLiesInsideThePictureArea) {
    const auto L = ComputeLogoLayout(logo::logoDesign());
    ASSERT_TRUE(L);
    std::vector<const PhoneLayout*> phones = {&L->mainPhone};
    for (const auto& ph : L->smallPhones) {
        phones.push_back(&ph);
    }
    for (const PhoneLayout* ph : phones) {
        EXPECT_TRUE(insidePicture(ph->body));
        EXPECT_TRUE(insidePicture(ph->handset.ellipse));
        EXPECT_TRUE(insidePicture(ph->leftNeck.ellipse));
        EXPECT_TRUE(insidePicture(ph->rightEar));
    }
    EXPECT_TRUE(insidePicture(L->circle));
    // The small telephones stand to the right of the circle, the main one to its left.
    EXPECT_LT(L->mainPhone.body.right, L->circle.left);
    for (const auto& ph : L->smallPhones) {
        EXPECT_GT(ph.body.left, L->circle.right);
    }
}

TEST(ShippedLogo, GlobePointsAreDistinctAndInsideTheCircle) {
    const LogoParams params = logo::logoDesign();
    const auto globe = std::make_unique<GlobePixels>(logo::makeGlobePixels(params.CD, 7));
    const int n = globe->count.get();
    ASSERT_GT(n, 10000);
    ASSERT_LE(n, 18001);
    const double r = params.CD / 2.0;
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < n; ++i) {
        const double x = globe->points[i].x.get() + 0.5 - r;
        const double y = globe->points[i].y.get() + 0.5 - r;
        EXPECT_LE(x * x + y * y, r * r) << i;
        EXPECT_TRUE(seen.insert({globe->points[i].x.get(), globe->points[i].y.get()}).second);
    }
    // Slots beyond the count stay empty.
    EXPECT_EQ(globe->points[n].colour.get(), 0u);
}

} // namespace
} // namespace kestrelon
