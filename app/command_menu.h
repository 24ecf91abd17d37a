#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace tintrel {

// The command menu as data: every command and option of the program, in display order.

// Command identifiers, also the menu item identifiers. They start above the dialog identifiers IDOK
// and IDCANCEL so that dialog navigation commands never reach a menu handler.
enum class CommandId : unsigned {
    None = 0,
    Clear1 = 100,
    NContrast,
    MI1,
    Popup1,
    Popup2,
    Popup3,
    NPallet,
    MS3,
    NFormat,
    NPalDlg,
    NExport,
    NImport,
    MHistory,
    NHistory,
    NHistoryClear,
    MS4,
    NHotKey,
    MSample,
    Sample1,
    Sample3,
    Sample5,
    Sample9,
    NPickFrozen,
    MSimulate,
    Simulate0,
    Simulate1,
    Simulate2,
    Simulate3,
    Simulate4,
    MS1,
    MI3,
    RGB1,
    RGB2,
    RGB3,
    RGB4,
    MI4,
    CMYK1,
    CMYK2,
    CMYK3,
    CMYK4,
    MS2,
    MVar,
    Exit1,
};

// A shortcut key: a Windows virtual-key code with its modifiers.
struct Shortcut {
    unsigned Key = 0;
    bool Shift = false;
    bool Ctrl = false;

    bool operator==(const Shortcut&) const = default;
};

inline constexpr unsigned kKeyEscape = 0x1B;  // VK_ESCAPE
inline constexpr unsigned kKeyDelete = 0x2E;  // VK_DELETE

struct MenuItemDef {
    CommandId Id;
    int Level;                 // 1 for the menu itself, 2 or 3 for an item of the submenu above it
    std::string_view Caption;  // code page 932; "-" is a separator
    std::optional<Shortcut> Key;
    bool CheckedAtDesign;
    int RadioGroup;  // 0 for none
};

// The items in display order.
std::span<const MenuItemDef> CommandMenuItems();

// The item with this identifier; throws Error for an unknown one.
const MenuItemDef& CommandMenuItem(CommandId id);

// The item whose shortcut is exactly this key with these modifiers, if any.
std::optional<CommandId> CommandForShortcut(const Shortcut& pressed);

// The caption of the pick hot key's item, naming the key in force (`keyText`, code page 932).
std::string PickHotKeyCaption(std::string_view keyText);

// The first and last item of a radio group (their identifiers are consecutive).
std::pair<CommandId, CommandId> RadioGroupRange(int group);

// How a menu shows a shortcut: "Shift+" and "Ctrl+" in this order, then "Del", "Esc" or the letter.
std::string ShortcutText(const Shortcut& shortcut);

}  // namespace tintrel
