#pragma once

namespace tintrel {

// Every window is designed in units of one pixel at 96 DPI and laid out for the DPI of the monitor it
// is on. These are the only functions that turn design units into pixels, so that every control
// rounds the same way, once.
inline constexpr int kDesignDpi = 96;

// `designUnits` as whole pixels at `dpi`: multiplied by dpi / 96 and rounded to the nearest pixel,
// halves away from zero. A DPI below 1 (unknown) counts as 96.
int DesignToPixels(int designUnits, int dpi);

// `pixels` at `dpi` back in design units, rounded the same way; for sizes the user made that are kept
// in files, so that a file written at one scaling opens with the same window at another.
int PixelsToDesign(int pixels, int dpi);

// The scale, in percent, of the pictures drawn for `dpi`: 100, 150 or 200, whichever is nearest (the
// larger at a tie, so that a picture is shrunk rather than blown up).
int PictureScalePercent(int dpi);

// A half-open rectangle in design units or in pixels.
struct UnitRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const UnitRect&) const = default;
};

// The rectangle at `dpi`. Each edge is scaled on its own, so that rectangles that meet in design units
// still meet in pixels and one inside another stays inside it.
UnitRect DesignToPixels(const UnitRect& design, int dpi);

}  // namespace tintrel
