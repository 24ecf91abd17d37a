#pragma once

#include <windows.h>

namespace tintrel::layout {

inline constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;

// The main window's fixed layout, in design units of its client area (pixels at 96 DPI).
inline constexpr int kClientWidth = 192;
inline constexpr int kPanelDefHeight = 170;
inline constexpr int kDesignClientHeight = 248;
// The magnifier's paint box within PanelDef.
inline constexpr RECT kPaintBox1{4, 4, 136, 72};
inline constexpr SIZE kPaintBox1Size{kPaintBox1.right - kPaintBox1.left, kPaintBox1.bottom - kPaintBox1.top};
inline constexpr RECT kComboF{4, 76, 189, 96};
inline constexpr RECT kPanelD{152, 106, 184, 138};
inline constexpr RECT kPanelP{144, 14, 189, 59};
// The centre of the dropper picture within PanelP, where the picture of each scale is centred.
inline constexpr POINT kImage1Centre{23, 23};

}  // namespace tintrel::layout
