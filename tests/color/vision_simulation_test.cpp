#include "color/vision_simulation.h"

#include <algorithm>  // std::max, std::min
#include <cstdint>
#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/color/packed_rgb.h"

namespace tintrel {
namespace {

using test_support::Channels;
using test_support::Packed;

int LargestStep(Rgb8 a, Rgb8 b) {
    return std::max({std::abs(a.R - b.R), std::abs(a.G - b.G), std::abs(a.B - b.B)});
}

// The published reference is DaltonLens-Python's notebook of precomputed matrices
// (research/for-desktop/precomputed_matrices.ipynb, sRGB with Smith and Pokorny's cones): its linear-light
// matrices for Viénot, Brettel and Mollon (1999), protan 0.10889 0.89111 0 / 0.00447 -0.00447 1 and deutan
// 0.29031 0.70969 0 / -0.02197 0.02197 1, and for Brettel, Viénot and Mollon (1997) its LMS matrices with
// the short-cone rows -0.00213 0.05477 (660 nm half-plane) and -0.06195 0.16826 (485 nm; the notebook
// prints this row's first number from the other plane), applied by hand and rounded once. Their five
// decimals allow one step either way. Achromatopsia is the grey of the WCAG luminance (red's is 0.2126).
TEST(SimulateColorVision, MatchesThePublishedMatrices) {
    const struct {
        std::uint32_t rgb;
        std::uint32_t protan, deutan, tritan, achromat;
    } rows[] = {
        {0xFF0000, 0x5D5D0E, 0x939300, 0xFF004E, 0x7F7F7F},
        {0x00FF00, 0xF2F200, 0xDBDB29, 0x7CEAFF, 0xDCDCDC},
        {0x0000FF, 0x0000FF, 0x0000FF, 0x006087, 0x4C4C4C},
        {0xFFFF00, 0xFFFF00, 0xFFFF00, 0xFFEFF2, 0xF7F7F7},
        {0x00FFFF, 0xF2F2FE, 0xDBDBFF, 0x49F8FF, 0xE5E5E5},
        {0xFF00FF, 0x5D5DFF, 0x9393FD, 0xEE6378, 0x919191},
        {0xFFA500, 0xB2B209, 0xC5C500, 0xFF99A6, 0xB8B8B8},
        {0xE02020, 0x565624, 0x838300, 0xE1114B, 0x727272},
        {0x20A040, 0x98983F, 0x8A8A45, 0x4E94AB, 0x8B8B8B},
        {0x663399, 0x3B3B99, 0x464699, 0x544B4C, 0x4D4D4D},  // tritan: the 660 nm half-plane
        {0x1A2B3C, 0x29293C, 0x27273C, 0x172D34, 0x2A2A2A},  // tritan: the 485 nm half-plane
    };
    for (const auto& row : rows) {
        const Rgb8 color = Channels(row.rgb);
        EXPECT_EQ(Packed(SimulateColorVision(color, ColorVision::Normal)), row.rgb);
        const std::pair<ColorVision, std::uint32_t> kinds[] = {{ColorVision::Protanopia, row.protan},
                                                               {ColorVision::Deuteranopia, row.deutan},
                                                               {ColorVision::Tritanopia, row.tritan},
                                                               {ColorVision::Achromatopsia, row.achromat}};
        for (const auto& [vision, expected] : kinds) {
            const Rgb8 actual = SimulateColorVision(color, vision);
            EXPECT_LE(LargestStep(actual, Channels(expected)), vision == ColorVision::Achromatopsia ? 0 : 1)
                << std::hex << "#" << row.rgb << " seen with kind " << static_cast<int>(vision) << ": expected #"
                << expected << ", got #" << Packed(actual);
        }
    }
}

// Greys, black and white lie on the surfaces dichromats share with normal vision and stay exactly; a protan
// or deutan colour is on its plane already, so simulating it again changes nothing but a rounding step. (A
// tritan colour clipped back into sRGB may leave its half-plane, so it has no such rule.)
TEST(SimulateColorVision, KeepsGreysAndIsStableOnItsOwnResults) {
    for (int level = 0; level < 256; level += 15) {
        const auto v = static_cast<std::uint8_t>(level);
        for (int kind = 0; kind <= static_cast<int>(ColorVision::Achromatopsia); ++kind) {
            EXPECT_EQ(Packed(SimulateColorVision({v, v, v}, static_cast<ColorVision>(kind))), Packed({v, v, v}))
                << "grey " << level << ", kind " << kind;
        }
    }
    for (const std::uint32_t rgb : {0xFF0000u, 0x00FF00u, 0x0000FFu, 0x663399u, 0x1A2B3Cu, 0xC0FFEEu, 0x20A040u}) {
        for (const ColorVision vision : {ColorVision::Protanopia, ColorVision::Deuteranopia}) {
            const Rgb8 once = SimulateColorVision(Channels(rgb), vision);
            EXPECT_LE(LargestStep(SimulateColorVision(once, vision), once), 1)
                << std::hex << "#" << rgb << ", kind " << static_cast<int>(vision);
        }
    }
}

}  // namespace
}  // namespace tintrel
