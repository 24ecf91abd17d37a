#pragma once

#include <string_view>

namespace tintrel {

// パレットの設定: the palette settings command and the title of its dialog.
inline constexpr std::string_view kPalletSettingsCaption =
    "\x83p\x83\x8C\x83"
    "b\x83g\x82\xCC\x90\xDD\x92\xE8";

// カラーパレット: the palette panel's caption, which titles its floating window.
inline constexpr std::string_view kPalletPanelCaption =
    "\x83J\x83\x89\x81[\x83p\x83\x8C\x83"
    "b\x83g";

// 履歴: the pick history's page, its tab and its name in an export.
inline constexpr std::string_view kHistoryCaption = "\x97\x9A\x97\xF0";

}  // namespace tintrel
