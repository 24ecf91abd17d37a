// The main window's sizing rules: which borders resize it, and which size changes it takes.
#include "palette/pallet_docking.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tintrel {

void PrintTo(const ResizeDecision& decision, std::ostream* out) {
    *out << (decision.Allow ? "allow" : "refuse") << " at height " << decision.Height;
}

namespace {

TEST(FormHitTest, OnlyTheBottomBorderSizesAndOnlyWhileDockedAndShown) {
    constexpr std::int32_t kCaption = 2;
    constexpr std::int32_t kClose = 20;
    constexpr std::int32_t kNowhere = 0;
    constexpr std::int32_t kError = -2;
    const struct {
        std::int32_t code;
        std::int32_t docked;    // result while the palette is docked and shown
        std::int32_t elsewise;  // result while it is hidden or floating
    } cases[] = {
        {kHitLeft, kHitClient, kHitClient},
        {kHitRight, kHitClient, kHitClient},
        {kHitTop, kHitClient, kHitClient},
        {kHitTopLeft, kHitClient, kHitClient},
        {kHitTopRight, kHitClient, kHitClient},
        {kHitBottomLeft, kHitClient, kHitClient},
        {kHitBottomRight, kHitClient, kHitClient},
        {kHitBottom, kHitBottom, kHitClient},
        {kHitClient, kHitClient, kHitClient},
        {kCaption, kCaption, kCaption},
        {kClose, kClose, kClose},
        {kNowhere, kNowhere, kNowhere},
        {kError, kError, kError},
    };
    for (const auto& [code, docked, elsewise] : cases) {
        EXPECT_EQ(FormHitTest(code, true), docked) << "code " << code << ", docked and shown";
        EXPECT_EQ(FormHitTest(code, false), elsewise) << "code " << code << ", hidden or floating";
    }
}

TEST(FormCanResize, RefusesUnlessDockedOrTheProgramAsksAndKeeps270WhileDocked) {
    const struct {
        std::int32_t height;
        bool shownAndDocked;
        bool resizeAllowed;
        ResizeDecision expected;
    } cases[] = {
        {300, true, false, {true, 300}}, {270, true, false, {true, 270}}, {269, true, false, {true, 270}},
        {-5, true, false, {true, 270}},  {100, true, true, {true, 270}},  {209, false, false, {false, 209}},
        {209, false, true, {true, 209}}, {600, false, true, {true, 600}},
    };
    for (const auto& [height, shownAndDocked, resizeAllowed, expected] : cases) {
        EXPECT_EQ(FormCanResize(height, shownAndDocked, resizeAllowed), expected)
            << "height " << height << (shownAndDocked ? ", docked and shown" : ", hidden or floating")
            << (resizeAllowed ? ", program's own change" : "");
    }
}

}  // namespace
}  // namespace tintrel
