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

// 履歴を消去しますか？: asked before the history is emptied.
inline constexpr std::string_view kClearHistoryQuestion =
    "\x97\x9A\x97\xF0\x82\xF0\x8F\xC1\x8B\x8E\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81\x48";

}  // namespace tintrel
