#include "color/format_choice_win.h"

#include <commctrl.h>  // CB_SETMINVISIBLE
#include <windowsx.h>  // ComboBox_GetCurSel

#include "ui/base_window_win.h"
#include "ui/fonts_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

constexpr int kItemHeight = 12;
constexpr int kDropDownRows = 16;

int ClosedHeight(HWND combo) {
    RECT rect;
    GetWindowRect(combo, &rect);
    return rect.bottom - rect.top;
}

}  // namespace

void FormatChoice::Create(HWND parent, int id, const RECT& closedBounds) {
    closedBounds_ = closedBounds;
    combo_ = CreateWindowChecked(0, L"COMBOBOX", L"",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS | CBS_DROPDOWNLIST,
                                 0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr);
    SendMessageW(combo_, CB_SETMINVISIBLE, kDropDownRows, 0);
    SetDpi(DpiScale());
}

void FormatChoice::SetDpi(DpiScale dpi) {
    const RECT bounds = dpi(closedBounds_);
    const int wanted = bounds.bottom - bounds.top;
    const int itemHeight = dpi(kItemHeight);
    SetControlFont(combo_, FormFont(dpi));
    // The window's height is that of the open box.
    SetWindowPos(combo_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                 wanted + kDropDownRows * itemHeight + dpi(2), SWP_NOZORDER | SWP_NOACTIVATE);
    if (SendMessageW(combo_, CB_SETITEMHEIGHT, 0, itemHeight) == CB_ERR) {
        // Some combo box implementations accept the list's item height only from the list itself.
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof(parts);
        GetComboBoxInfo(combo_, &parts);
        SendMessageW(parts.hwndList, LB_SETITEMHEIGHT, 0, itemHeight);
    }
    // Implementations differ in what they add to the selection field's height, so it is corrected by
    // what the closed box measures.
    auto field = static_cast<int>(SendMessageW(combo_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 3 && ClosedHeight(combo_) != wanted; ++attempt) {
        field += wanted - ClosedHeight(combo_);
        SendMessageW(combo_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

void FormatChoice::Rebuild(const std::vector<std::string>& labels) {
    // With tens of thousands of templates, reserving the list's storage and drawing it once keep the
    // rebuild short.
    SendMessageW(combo_, WM_SETREDRAW, FALSE, 0);
    ComboBox_ResetContent(combo_);
    std::size_t characters = 0;
    for (const std::string& label : labels) {
        characters += label.size() + 1;
    }
    SendMessageW(combo_, CB_INITSTORAGE, labels.size(), static_cast<LPARAM>(characters * sizeof(wchar_t)));
    for (const std::string& label : labels) {
        ComboBox_AddString(combo_, WidenCp932(label).c_str());
    }
    SendMessageW(combo_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(combo_, nullptr, TRUE);
    if (!labels.empty()) {
        ComboBox_SetCurSel(combo_, 0);
    }
}

int FormatChoice::Count() const {
    return ComboBox_GetCount(combo_);
}

int FormatChoice::Selected() const {
    return ComboBox_GetCurSel(combo_);
}

void FormatChoice::Select(int index) {
    ComboBox_SetCurSel(combo_, index);
}

}  // namespace tintrel
