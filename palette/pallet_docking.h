#pragma once

#include <cstdint>

namespace tintrel {

// The window system's non-client hit-test codes that the main window's sizing rule looks at.
inline constexpr std::int32_t kHitClient = 1;
inline constexpr std::int32_t kHitLeft = 10;
inline constexpr std::int32_t kHitRight = 11;
inline constexpr std::int32_t kHitTop = 12;
inline constexpr std::int32_t kHitTopLeft = 13;
inline constexpr std::int32_t kHitTopRight = 14;
inline constexpr std::int32_t kHitBottom = 15;
inline constexpr std::int32_t kHitBottomLeft = 16;
inline constexpr std::int32_t kHitBottomRight = 17;

// The lowest outer height of the main window while the palette is docked in it and shown.
inline constexpr std::int32_t kMinDockedOuterHeight = 270;

// The main window's hit-test result for the system's default one: every sizing border and corner
// acts as client area, except the bottom border while the palette is shown and docked. Other codes
// (caption, close box, client) stay.
std::int32_t FormHitTest(std::int32_t defaultCode, bool shownAndDocked);

// The answer to a size change of the main window before it happens.
struct ResizeDecision {
    bool Allow = false;
    std::int32_t Height = 0;  // the outer height to take when allowed

    bool operator==(const ResizeDecision&) const = default;
};

// Allowed while the palette is shown and docked, or during the program's own height change
// (`resizeAllowed`); while shown and docked an outer height below `lowestDocked` is raised to it.
ResizeDecision FormCanResize(std::int32_t newOuterHeight,
                             bool shownAndDocked,
                             bool resizeAllowed,
                             std::int32_t lowestDocked = kMinDockedOuterHeight);

// The fewest pixels each row of cells keeps while the palette is docked and shown.
inline constexpr std::int32_t kMinCellRowHeight = 8;

// The lowest outer height of the main window with the palette docked and shown, for a window now
// `outerHeight` high whose cell area is `cellAreaHeight` high: what gives `rows` rows of cells
// kMinCellRowHeight each beside everything else the window holds (the tab rows among it), and never
// below kMinDockedOuterHeight. Computed in 64 bits, at most the largest int32.
// At another DPI the caller passes both least heights in its pixels.
std::int32_t LowestDockedOuterHeight(std::int32_t outerHeight,
                                     std::int32_t cellAreaHeight,
                                     std::int32_t rows,
                                     std::int32_t rowHeight = kMinCellRowHeight,
                                     std::int32_t lowest = kMinDockedOuterHeight);

// How many pixels the docked window must grow so that `rows` rows of cells get `rowHeight` each
// (kMinCellRowHeight in design units) in a cell area `cellAreaHeight` high; 0 when they have it.
std::int32_t MissingCellHeight(std::int32_t cellAreaHeight,
                               std::int32_t rows,
                               std::int32_t rowHeight = kMinCellRowHeight);

// A width or height, in pixels.
struct PixelSize {
    std::int32_t Width = 0;
    std::int32_t Height = 0;

    bool operator==(const PixelSize&) const = default;
};

// The floating palette window's client size for the stored edges of its rectangle: Right - Left by
// Bottom - Top, computed in 64 bits so that no hand-edited value overflows, then brought up to `lowest`
// (what shows the cells) and down to `highest` (the screen); `lowest` wins where the two cross.
PixelSize FloatClientSize(std::int32_t left,
                          std::int32_t top,
                          std::int32_t right,
                          std::int32_t bottom,
                          PixelSize lowest,
                          PixelSize highest);

// The outer height of a window whose client area is `clientHeight` high inside a frame of
// `nonClientHeight`, computed in 64 bits and kept between 0 and `highest`.
std::int32_t OuterHeightFor(std::int32_t clientHeight, std::int32_t nonClientHeight, std::int32_t highest);

}  // namespace tintrel
