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
// (`resizeAllowed`); while shown and docked an outer height below kMinDockedOuterHeight is raised to it.
ResizeDecision FormCanResize(std::int32_t newOuterHeight, bool shownAndDocked, bool resizeAllowed);

}  // namespace tintrel
