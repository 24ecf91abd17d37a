#pragma once

namespace tintrel {

// A pixel position on the screen, in physical pixels.
struct ScreenPoint {
    int X = 0;
    int Y = 0;

    bool operator==(const ScreenPoint&) const = default;
};

// A half-open rectangle of screen pixels: Right and Bottom are excluded.
struct ScreenRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// The part of a capture that lies on the screen: the screen rectangle at (SourceX, SourceY) goes to
// (DestX, DestY) of the capture bitmap. Width or Height is 0 when nothing lies on the screen.
struct CaptureCopy {
    int DestX = 0;
    int DestY = 0;
    int SourceX = 0;
    int SourceY = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const CaptureCopy&) const = default;
};

// Places a capture of `width` by `height` pixels on the screen so that `pointer` lands on its pixel
// (centerX, centerY), and keeps of it only what lies on `screen` (the virtual screen: all monitors,
// whose origin may be negative).
CaptureCopy ClipCapture(ScreenPoint pointer, int width, int height, int centerX, int centerY, const ScreenRect& screen);

}  // namespace tintrel
