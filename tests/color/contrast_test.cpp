#include "color/contrast.h"

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/color/packed_rgb.h"

namespace tintrel {
namespace {

using test_support::Channels;
using test_support::Packed;

TEST(RatioText, CutsNeverRoundsUp) {
    const struct {
        double ratio;
        int decimals;
        const char* separator;
        const char* expected;
    } rows[] = {
        {4.499, 2, ".", "4.49"},
        {4.5, 2, ".", "4.50"},
        {21.0, 2, ".", "21.00"},
        {1.005, 2, ".", "1.00"},
        // A hair below a minimum; and the double nearest 14.43, a hair below it, whose product with 100
        // rounds up to 1443.
        {std::nextafter(4.5, 0.0), 2, ".", "4.49"},
        {std::nextafter(7.0, 0.0), 2, ".", "6.99"},
        {std::nextafter(3.0, 0.0), 1, ".", "2.9"},
        {14.43, 2, ".", "14.42"},
        {4.57, 2, ",", "4,57"},  // a hair above 4.57
        {4.999, 0, ".", "4"},
        {4.5, 12, "\x81\x44",
         "4\x81\x44"
         "500000000"},
        {4.5, -1, ".", "4"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RatioText(row.ratio, row.decimals, row.separator), row.expected)
            << std::setprecision(17) << row.ratio << " with " << row.decimals << " decimals";
    }
}

// The verdict is the exact ratio's, and the text shown beside it never says otherwise: what reads
// "4.50" passes 4.5 and what reads "4.49" fails it.
TEST(ContrastCriteria, VerdictAgreesWithTheTextShown) {
    const double minimums[] = {4.5, 3.0, 7.0, 4.5, 3.0};  // 1.4.3 normal and large, 1.4.6, 1.4.11
    for (std::size_t i = 0; i < kContrastCriteria.size(); ++i) {
        const double minimum = minimums[i];
        for (const double ratio : {minimum, std::nextafter(minimum, 0.0), std::nextafter(minimum, 99.0),
                                   minimum - 0.001, minimum + 0.004, 1.0, 21.0}) {
            const bool meets = MeetsCriterion(ratio, kContrastCriteria[i]);
            EXPECT_EQ(meets, ratio >= minimum) << "criterion " << i << ", " << std::setprecision(17) << ratio;
            EXPECT_EQ(meets, std::stod(RatioText(ratio, 2, ".")) >= minimum)
                << std::setprecision(17) << ratio << " shows " << RatioText(ratio, 2, ".");
        }
    }
    // WebAIM's checker: #767676 on white passes AA (4.54), #777777 (4.478) large text only.
    EXPECT_EQ(RatioText(ContrastRatio(Channels(0x767676), Channels(0xFFFFFF)), 2, "."), "4.54");
    EXPECT_EQ(RatioText(ContrastRatio(Channels(0x777777), Channels(0xFFFFFF)), 2, "."), "4.47");
}

// Greys keep their order in OKLCH lightness, so the nearest passing grey is the nearest level that passes.
TEST(NearestPassingText, GreysMoveToTheNearestPassingLevel) {
    const struct {
        std::uint32_t text, back;
        double minimum;
    } rows[] = {
        {0x777777, 0xFFFFFF, 4.5}, {0x777777, 0x000000, 7.0}, {0xFFFFFF, 0xFFFFFF, 4.5},
        {0x000000, 0x000000, 3.0}, {0x808080, 0x808080, 4.5}, {0x5A5A5A, 0x767676, 3.0},
        {0x909090, 0x767676, 3.0}, {0x777777, 0x808080, 7.0},  // no grey reaches 7:1 on mid-grey
        {0x777777, 0xFF0000, 7.0},                             // nor on pure red (black 5.25, white 4.00)
    };
    for (const auto& row : rows) {
        const auto text = static_cast<int>(row.text & 0xFF);
        std::optional<std::uint32_t> expected;
        for (int level = 0; level < 256; ++level) {
            const auto v = static_cast<std::uint8_t>(level);
            if (ContrastRatio({v, v, v}, Channels(row.back)) >= row.minimum &&
                (!expected || std::abs(level - text) < std::abs(static_cast<int>(*expected & 0xFF) - text))) {
                expected = Packed({v, v, v});
            }
        }
        const std::optional<Rgb8> actual = NearestPassingText({Channels(row.text), Channels(row.back)}, row.minimum);
        ASSERT_EQ(actual.has_value(), expected.has_value()) << std::hex << "#" << row.text << " on #" << row.back;
        if (expected) {
            EXPECT_EQ(Packed(*actual), *expected) << std::hex << "#" << row.text << " on #" << row.back;
        }
    }
}

// The sRGB primaries and secondaries on the gamut's corners, and random pairs: a result exists exactly when
// black or white passes, meets the ratio, is the text colour itself when that passes, keeps the hue as far
// as 8-bit steps allow, and loses chroma only where it lies on the gamut's surface.
TEST(NearestPassingText, MeetsTheRatioKeepsTheHueAndLosesChromaOnlyAtTheGamut) {
    std::vector<ContrastPair> pairs;
    for (const std::uint32_t text : {0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFFFF00u, 0x00FFFFu, 0xFF00FFu, 0x1A2B3Cu}) {
        for (const std::uint32_t back : {0xFFFFFFu, 0x000000u, 0x808080u, 0xFFFF00u, 0x0000FFu}) {
            pairs.push_back({Channels(text), Channels(back)});
        }
    }
    std::mt19937 random(28);
    for (int i = 0; i < 200; ++i) {
        pairs.push_back({Channels(random() & 0xFFFFFF), Channels(random() & 0xFFFFFF)});
    }
    for (const ContrastPair& pair : pairs) {
        for (const double minimum : {3.0, 4.5, 7.0}) {
            std::ostringstream where;
            where << std::hex << "#" << Packed(pair.Text) << " on #" << Packed(pair.Back) << " for " << minimum;
            const std::optional<Rgb8> result = NearestPassingText(pair, minimum);
            ASSERT_EQ(result.has_value(), ContrastRatio({0, 0, 0}, pair.Back) >= minimum ||
                                              ContrastRatio({255, 255, 255}, pair.Back) >= minimum)
                << where.str();
            if (!result) {
                continue;
            }
            where << " gives #" << Packed(*result);
            EXPECT_GE(ContrastRatio(*result, pair.Back), minimum) << where.str();
            if (ContrastRatio(pair.Text, pair.Back) >= minimum) {
                EXPECT_EQ(Packed(*result), Packed(pair.Text)) << where.str();
            }
            const Components before = PolarOf(OkLabOf(pair.Text));
            const Components after = PolarOf(OkLabOf(*result));
            if (after[1] > 0.05) {
                EXPECT_LT(std::abs(std::remainder(after[2] - before[2], 360.0)), 2.0) << where.str();
            }
            const bool onSurface =
                std::min({result->R, result->G, result->B}) == 0 || std::max({result->R, result->G, result->B}) == 255;
            EXPECT_TRUE(after[1] > before[1] - 0.01 || onSurface) << where.str() << " lost chroma inside sRGB";
        }
    }
}

}  // namespace
}  // namespace tintrel
