#pragma once

#include <string_view>

namespace tintrel {

// The names assistive technology gives the main window's controls, in code page 932: what a sighted
// user reads beside or on them, or what they show.
inline constexpr std::string_view kNameMagnifier = "\x8A\x67\x91\xE5\x95\x5C\x8E\xA6";               // 拡大表示
inline constexpr std::string_view kNamePickTarget = "\x83\x58\x83\x7C\x83\x43\x83\x67";              // スポイト
inline constexpr std::string_view kNameSwatch = "\x8C\xBB\x8D\xDD\x82\xCC\x90\x46";                  // 現在の色
inline constexpr std::string_view kNameFormat = "\x83\x74\x83\x48\x81\x5B\x83\x7D\x83\x62\x83\x67";  // フォーマット
inline constexpr std::string_view kNameText = "\x95\xB6\x8E\x9A\x97\xF1";                            // 文字列
// The component fields, EditR to EditK: 赤, 緑, 青, シアン, マゼンタ, イエロー, 黒.
inline constexpr std::string_view kNameComponents[] = {
    "\x90\xD4",
    "\x97\xCE",
    "\x90\xC2",
    "\x83\x56\x83\x41\x83\x93",
    "\x83\x7D\x83\x5B\x83\x93\x83\x5E",
    "\x83\x43\x83\x47\x83\x8D\x81\x5B",
    "\x8D\x95",
};

}  // namespace tintrel
