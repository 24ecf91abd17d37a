#pragma once

#include <string_view>

namespace tintrel {

// The text of the version message box, code page 932, lines separated by CR LF.
inline constexpr std::string_view kVersionMessage =
    "Tintrel version2.02\r\n"
    "\r\n"
    // やるきのないバージョン情報でごめんなさい。
    "\x82\xE2\x82\xE9\x82\xAB\x82\xCC\x82\xC8\x82\xA2\x83o\x81[\x83W\x83\x87\x83\x93\x8F\xEE\x95\xF1\x82\xC5\x82\xB2"
    "\x82\xDF\x82\xF1\x82\xC8\x82\xB3\x82\xA2\x81"
    "B\r\n"
    "\r\n"
    "Copyright (C) 2026 Tintrel \x82\xCC\x8AJ\x94\xAD\x8E\xD2";  // の開発者

}  // namespace tintrel
