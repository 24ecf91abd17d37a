#pragma once

#include <windows.h>

namespace tintrel::layout {

// The main window's fixed layout, in client pixels.
inline constexpr int kClientWidth = 192;
inline constexpr int kWindowWidth = 200;
inline constexpr int kPanelDefHeight = 170;
inline constexpr int kDesignClientHeight = 248;
// The magnifier's paint box within PanelDef.
inline constexpr RECT kPaintBox1{4, 4, 136, 72};
inline constexpr SIZE kPaintBox1Size{kPaintBox1.right - kPaintBox1.left, kPaintBox1.bottom - kPaintBox1.top};

}  // namespace tintrel::layout
