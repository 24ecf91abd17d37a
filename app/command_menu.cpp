#include "app/command_menu.h"

#include <algorithm>
#include <array>

#include "base/error.h"

namespace tintrel {

namespace {

constexpr Shortcut Plain(unsigned key) {
    return Shortcut{key, false, false};
}
constexpr Shortcut CtrlKey(char letter) {
    return Shortcut{static_cast<unsigned>(letter), false, true};
}
constexpr Shortcut ShiftCtrlKey(char letter) {
    return Shortcut{static_cast<unsigned>(letter), true, true};
}

using C = CommandId;
constexpr std::string_view kSeparator = "-";

// Captions are code page 932 bytes; the comment beside each gives the text.
constexpr std::array kItems{
    MenuItemDef{C::Clear1, 1, "\x8F\xC1\x8B\x8E(&D)", Plain(kKeyDelete), false, 0},  // 消去(&D)
    // コントラストの確認(&K)...
    MenuItemDef{C::NContrast, 1,
                "\x83R\x83\x93\x83g\x83\x89\x83X\x83g\x82\xCC\x8Am\x94"
                "F(&K)...",
                ShiftCtrlKey('K'), false, 0},
    MenuItemDef{C::MI1, 1, "\x90\xDD\x92\xE8(&T)", std::nullopt, false, 0},  // 設定(&T)
    // 文字列を自動でクリップボードにコピー(&C)
    MenuItemDef{C::Popup1, 2,
                "\x95\xB6\x8E\x9A\x97\xF1\x82\xF0\x8E\xA9\x93\xAE\x82\xC5\x83N\x83\x8A\x83"
                "b\x83v\x83{\x81[\x83h\x82\xC9\x83R\x83s\x81[(&C)",
                std::nullopt, false, 0},
    // 16進数を小文字で入力(&L)
    MenuItemDef{C::Popup2, 2, "16\x90i\x90\x94\x82\xF0\x8F\xAC\x95\xB6\x8E\x9A\x82\xC5\x93\xFC\x97\xCD(&L)",
                std::nullopt, false, 0},
    // 常に手前に表示（再起動後有効）(&V)
    MenuItemDef{C::Popup3, 2,
                "\x8F\xED\x82\xC9\x8E\xE8\x91O\x82\xC9\x95\x5C\x8E\xA6\x81i\x8D\xC4\x8BN\x93\xAE\x8C\xE3\x97L\x8C\xF8"
                "\x81j(&V)",
                std::nullopt, false, 0},
    // パレットの表示(&P)
    MenuItemDef{C::NPallet, 2,
                "\x83p\x83\x8C\x83"
                "b\x83g\x82\xCC\x95\x5C\x8E\xA6(&P)",
                CtrlKey('P'), false, 0},
    MenuItemDef{C::MS3, 2, kSeparator, std::nullopt, false, 0},
    // フォーマットエディタ(&F)
    MenuItemDef{C::NFormat, 2,
                "\x83t\x83H\x81[\x83}\x83"
                "b\x83g\x83G\x83"
                "f\x83"
                "B\x83^(&F)",
                ShiftCtrlKey('F'), false, 0},
    // パレットの設定(&S)
    MenuItemDef{C::NPalDlg, 2,
                "\x83p\x83\x8C\x83"
                "b\x83g\x82\xCC\x90\xDD\x92\xE8(&S)",
                ShiftCtrlKey('P'), false, 0},
    // パレットの書き出し(&E)...
    MenuItemDef{C::NExport, 2,
                "\x83p\x83\x8C\x83"
                "b\x83g\x82\xCC\x8F\x91\x82\xAB\x8Fo\x82\xB5(&E)...",
                ShiftCtrlKey('S'), false, 0},
    // パレットの読み込み(&I)...
    MenuItemDef{C::NImport, 2,
                "\x83p\x83\x8C\x83"
                "b\x83g\x82\xCC\x93\xC7\x82\xDD\x8D\x9E\x82\xDD(&I)...",
                ShiftCtrlKey('O'), false, 0},
    // The pick history's two items in a submenu of their own, 履歴(&K), since their access keys are taken
    // in the settings submenu already: 履歴を表示(&H), 履歴を消去(&C)
    MenuItemDef{C::MHistory, 2, "\x97\x9A\x97\xF0(&K)", std::nullopt, false, 0},
    MenuItemDef{C::NHistory, 3, "\x97\x9A\x97\xF0\x82\xF0\x95\x5C\x8E\xA6(&H)", std::nullopt, true, 0},
    MenuItemDef{C::NHistoryClear, 3, "\x97\x9A\x97\xF0\x82\xF0\x8F\xC1\x8B\x8E(&C)", std::nullopt, false, 0},
    MenuItemDef{C::MS4, 2, kSeparator, std::nullopt, false, 0},
    // ホットキーで色を取得（Ctrl+Alt+C）(&H), renamed after the key in force once the settings are read
    MenuItemDef{C::NHotKey, 2,
                "\x83z\x83"
                "b\x83g\x83L\x81[\x82\xC5\x90"
                "F\x82\xF0\x8E\xE6\x93\xBE\x81iCtrl+Alt+C\x81j(&H)",
                std::nullopt, true, 0},
    MenuItemDef{C::MSample, 2, "\x8E\xE6\x93\xBE\x94\xCD\x88\xCD(&R)", std::nullopt, false, 0},  // 取得範囲(&R)
    MenuItemDef{C::Sample1, 3, "1\x83s\x83N\x83Z\x83\x8B(&1)", std::nullopt, true, 4},           // 1ピクセル(&1)
    MenuItemDef{C::Sample3, 3, "3\x81~3\x82\xCC\x95\xBD\x8B\xCF(&3)", std::nullopt, false, 4},   // 3×3の平均(&3)
    MenuItemDef{C::Sample5, 3, "5\x81~5\x82\xCC\x95\xBD\x8B\xCF(&5)", std::nullopt, false, 4},   // 5×5の平均(&5)
    MenuItemDef{C::Sample9, 3, "9\x81~9\x82\xCC\x95\xBD\x8B\xCF(&9)", std::nullopt, false, 4},   // 9×9の平均(&9)
    // 画面を止めて取得(&F)
    MenuItemDef{C::NPickFrozen, 2, "\x89\xE6\x96\xCA\x82\xF0\x8E~\x82\xDF\x82\xC4\x8E\xE6\x93\xBE(&F)", std::nullopt,
                false, 0},
    MenuItemDef{C::MSimulate, 2,
                "\x90"
                "F\x8Ao\x82\xCC\x96\xCD\x8B[(&M)",
                std::nullopt, false, 0},                                          // 色覚の模擬(&M)
    MenuItemDef{C::Simulate0, 3, "\x82\xC8\x82\xB5(&N)", std::nullopt, true, 5},  // なし(&N)
    MenuItemDef{C::Simulate1, 3,
                "1\x8C^\x90"
                "F\x8Ao(&P)",
                std::nullopt, false, 5},  // 1型色覚(&P)
    MenuItemDef{C::Simulate2, 3,
                "2\x8C^\x90"
                "F\x8Ao(&D)",
                std::nullopt, false, 5},  // 2型色覚(&D)
    MenuItemDef{C::Simulate3, 3,
                "3\x8C^\x90"
                "F\x8Ao(&T)",
                std::nullopt, false, 5},  // 3型色覚(&T)
    MenuItemDef{C::Simulate4, 3,
                "1\x90"
                "F\x8Ao(&A)",
                std::nullopt, false, 5},  // 1色覚(&A)
    MenuItemDef{C::MS1, 1, kSeparator, std::nullopt, false, 0},
    MenuItemDef{C::MI3, 1, "RGB\x95\x5C\x8E\xA6\x90\xDD\x92\xE8(&R)", std::nullopt, false, 0},   // RGB表示設定(&R)
    MenuItemDef{C::RGB1, 2, "10\x90i\x90\x94(&A)", std::nullopt, true, 2},                       // 10進数(&A)
    MenuItemDef{C::RGB2, 2, "16\x90i\x90\x94(&B)", std::nullopt, false, 2},                      // 16進数(&B)
    MenuItemDef{C::RGB3, 2, "\x81\x93\x95\x5C\x8BL(&C)", std::nullopt, false, 2},                // ％表記(&C)
    MenuItemDef{C::RGB4, 2, "0\x81`1\x95\x5C\x8BL(&D)", std::nullopt, false, 2},                 // 0～1表記(&D)
    MenuItemDef{C::MI4, 1, "CMYK\x95\x5C\x8E\xA6\x90\xDD\x92\xE8(&C)", std::nullopt, false, 0},  // CMYK表示設定(&C)
    MenuItemDef{C::CMYK1, 2, "10\x90i\x90\x94(&A)", std::nullopt, true, 3},                      // 10進数(&A)
    MenuItemDef{C::CMYK2, 2, "16\x90i\x90\x94(&B)", std::nullopt, false, 3},                     // 16進数(&B)
    MenuItemDef{C::CMYK3, 2, "\x81\x93\x95\x5C\x8BL(&C)", std::nullopt, false, 3},               // ％表記(&C)
    MenuItemDef{C::CMYK4, 2, "0\x81`1\x95\x5C\x8BL(&D)", std::nullopt, false, 3},                // 0～1表記(&D)
    MenuItemDef{C::MS2, 1, kSeparator, std::nullopt, false, 0},
    // バージョン情報(&A)
    MenuItemDef{C::MVar, 1, "\x83o\x81[\x83W\x83\x87\x83\x93\x8F\xEE\x95\xF1(&A)", std::nullopt, false, 0},
    MenuItemDef{C::Exit1, 1, "\x8FI\x97\xB9(&X)", Plain(kKeyEscape), false, 0},  // 終了(&X)
};

}  // namespace

std::span<const MenuItemDef> CommandMenuItems() {
    return kItems;
}

const MenuItemDef& CommandMenuItem(CommandId id) {
    const auto found =
        std::find_if(kItems.begin(), kItems.end(), [id](const MenuItemDef& item) { return item.Id == id; });
    if (found == kItems.end()) {
        throw Error("unknown command");
    }
    return *found;
}

std::optional<CommandId> CommandForShortcut(const Shortcut& pressed) {
    for (const MenuItemDef& item : kItems) {
        if (item.Key && *item.Key == pressed) {
            return item.Id;
        }
    }
    return std::nullopt;
}

std::string PickHotKeyCaption(std::string_view keyText) {
    // ホットキーで色を取得（...）(&H)
    return "\x83z\x83"
           "b\x83g\x83L\x81[\x82\xC5\x90"
           "F\x82\xF0\x8E\xE6\x93\xBE\x81i" +
           std::string(keyText) + "\x81j(&H)";
}

std::pair<CommandId, CommandId> RadioGroupRange(int group) {
    std::pair<CommandId, CommandId> range{CommandId::None, CommandId::None};
    for (const MenuItemDef& item : kItems) {
        if (item.RadioGroup == group) {
            range.second = item.Id;
            if (range.first == CommandId::None) {
                range.first = item.Id;
            }
        }
    }
    return range;
}

std::string ShortcutText(const Shortcut& shortcut) {
    std::string text;
    if (shortcut.Shift) {
        text += "Shift+";
    }
    if (shortcut.Ctrl) {
        text += "Ctrl+";
    }
    switch (shortcut.Key) {
        case kKeyDelete:
            return text + "Del";
        case kKeyEscape:
            return text + "Esc";
        default:
            return text + static_cast<char>(shortcut.Key);
    }
}

}  // namespace tintrel
