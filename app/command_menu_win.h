#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "app/command_menu.h"
#include "ui/window_handles_win.h"

namespace tintrel {

// The context menu `PopupMenu1` built from the command menu's data. Its check marks are the options'
// values, except the pick's options, which the picking keeps and the menu shows.
class CommandMenu {
public:
    // Builds the menu with every item, shortcut text and the check marks of the design.
    void Build();

    HMENU Handle() const { return menu_.Get(); }

    bool IsChecked(CommandId item) const;
    void SetCheck(CommandId item, bool checked);
    // Checks `item` and unchecks the other items of its radio group.
    void CheckRadio(CommandId item);
    void SetCaption(CommandId item, std::string_view captionCp932);
    void SetEnabled(CommandId item, bool enabled);
    // The check marks of the four items of a notation group, starting with `first`.
    std::array<bool, 4> GroupChecks(CommandId first) const;
    // Checks item `checkedOffset` (0 to 3) of the notation group starting with `first`, the others not.
    void SetGroupChecks(CommandId first, int checkedOffset);

    // Opens the menu at a screen position, or at `control`'s top-left corner for a position of -1 (a
    // menu asked for from the keyboard), and returns the command chosen, if any.
    std::optional<CommandId> Track(HWND owner, HWND control, LPARAM screenPosition) const;

private:
    OwnedMenu menu_;
};

// The command a key press names, Alt not held, when the focus is in a control that carries the menu:
// `carriesMenu` is asked for the focused control, then for each window around it below `top`.
std::optional<CommandId> ShortcutCommand(const MSG& message, HWND top, const std::function<bool(HWND)>& carriesMenu);

}  // namespace tintrel
