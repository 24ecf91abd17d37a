// A drop-down list described as the platform describes a combo box, for assistive technology.
#include <string>
#include <string_view>
#include <utility>

#include "ui/accessible_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// 開く, 閉じる: what opening and closing a list is called
constexpr std::string_view kOpen = "\x8A\x4A\x82\xAD";
constexpr std::string_view kClose = "\x95\xC2\x82\xB6\x82\xE9";

std::wstring SelectedItemText(HWND list) {
    const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
    const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (selected == CB_ERR || length == CB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

}  // namespace

void AccessibleControl::AttachComboBox(HWND window, std::wstring name) {
    Attach(window, std::move(name), ROLE_SYSTEM_COMBOBOX, STATE_SYSTEM_FOCUSABLE);
    const auto dropped = [window] { return SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != FALSE; };
    ValueOf = [window] { return SelectedItemText(window); };
    StateOf = [dropped] { return dropped() ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED; };
    DefaultActionOf = [dropped] { return WidenCp932(dropped() ? kClose : kOpen); };
    OnDefaultAction = [window, dropped] {
        const bool open = !dropped();
        if (open) {
            // The keys that choose in the list go to the focused control.
            SetFocus(window);
        }
        SendMessageW(window, CB_SHOWDROPDOWN, open, 0);
    };
}

}  // namespace tintrel
