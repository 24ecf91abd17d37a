#include "app/command_menu_win.h"

#include <windowsx.h>  // GET_X_LPARAM

#include <string>

#include "ui/window_text_win.h"

namespace tintrel {

namespace {

UINT ToId(CommandId command) {
    return static_cast<UINT>(command);
}

CommandId Offset(CommandId first, int offset) {
    return static_cast<CommandId>(ToId(first) + static_cast<UINT>(offset));
}

}  // namespace

void CommandMenu::Build() {
    menu_.Reset(CreatePopupMenu());
    const auto items = CommandMenuItems();
    // The menu that takes the items of each level: the menu itself, then the submenu last opened.
    std::array<HMENU, 4> levels{menu_.Get(), menu_.Get(), nullptr, nullptr};
    for (std::size_t index = 0; index < items.size(); ++index) {
        const MenuItemDef& item = items[index];
        const bool opensSubmenu = index + 1 < items.size() && items[index + 1].Level > item.Level;
        std::wstring caption = WidenCp932(item.Caption);
        if (item.Key) {
            caption += L'\t' + WidenCp932(ShortcutText(*item.Key));
        }
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.wID = ToId(item.Id);
        info.fType = item.Caption == "-" ? MFT_SEPARATOR : (item.RadioGroup != 0 ? MFT_RADIOCHECK : MFT_STRING);
        info.fState = item.CheckedAtDesign ? MFS_CHECKED : MFS_UNCHECKED;
        info.dwTypeData = caption.data();
        if (opensSubmenu) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = CreatePopupMenu();
        }
        HMENU parent = levels[static_cast<std::size_t>(item.Level)];
        InsertMenuItemW(parent, static_cast<UINT>(GetMenuItemCount(parent)), TRUE, &info);
        if (opensSubmenu) {
            levels[static_cast<std::size_t>(item.Level) + 1] = info.hSubMenu;
        }
    }
}

bool CommandMenu::IsChecked(CommandId item) const {
    return (GetMenuState(menu_.Get(), ToId(item), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void CommandMenu::SetCheck(CommandId item, bool checked) {
    CheckMenuItem(menu_.Get(), ToId(item), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void CommandMenu::CheckRadio(CommandId item) {
    const auto [first, last] = RadioGroupRange(CommandMenuItem(item).RadioGroup);
    CheckMenuRadioItem(menu_.Get(), ToId(first), ToId(last), ToId(item), MF_BYCOMMAND);
}

void CommandMenu::SetCaption(CommandId item, std::string_view captionCp932) {
    std::wstring caption = WidenCp932(captionCp932);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = caption.data();
    SetMenuItemInfoW(menu_.Get(), ToId(item), FALSE, &info);
}

void CommandMenu::SetEnabled(CommandId item, bool enabled) {
    EnableMenuItem(menu_.Get(), ToId(item), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

std::array<bool, 4> CommandMenu::GroupChecks(CommandId first) const {
    std::array<bool, 4> checked{};
    for (int offset = 0; offset < 4; ++offset) {
        checked[static_cast<std::size_t>(offset)] = IsChecked(Offset(first, offset));
    }
    return checked;
}

void CommandMenu::SetGroupChecks(CommandId first, int checkedOffset) {
    for (int offset = 0; offset < 4; ++offset) {
        SetCheck(Offset(first, offset), offset == checkedOffset);
    }
}

std::optional<CommandId> CommandMenu::Track(HWND owner, HWND control, LPARAM screenPosition) const {
    POINT at{GET_X_LPARAM(screenPosition), GET_Y_LPARAM(screenPosition)};
    if (screenPosition == -1) {
        RECT bounds;
        GetWindowRect(control, &bounds);
        at = POINT{bounds.left, bounds.top};
    }
    const auto chosen = static_cast<UINT>(TrackPopupMenuEx(
        menu_.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, owner, nullptr));
    if (chosen == 0) {
        return std::nullopt;
    }
    return static_cast<CommandId>(chosen);
}

std::optional<CommandId> ShortcutCommand(const MSG& message, HWND top, const std::function<bool(HWND)>& carriesMenu) {
    if (GetKeyState(VK_MENU) < 0) {
        return std::nullopt;
    }
    const Shortcut pressed{static_cast<unsigned>(message.wParam), GetKeyState(VK_SHIFT) < 0,
                           GetKeyState(VK_CONTROL) < 0};
    const std::optional<CommandId> command = CommandForShortcut(pressed);
    for (HWND window = message.hwnd; command && window != nullptr && window != top; window = GetParent(window)) {
        if (carriesMenu(window)) {
            return command;
        }
    }
    return std::nullopt;
}

}  // namespace tintrel
