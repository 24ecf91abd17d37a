#include "palette/pallet_view_win.h"

#include <commctrl.h>
#include <windowsx.h>  // GET_X_LPARAM

// The cells' tool-tip: the surface is its tool while the pointer is over a cell.
namespace tintrel {

TOOLINFOW PalletView::HintTool() {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = hintText_.data();
    return tool;
}

void PalletView::SetHintText(const std::wstring& text) {
    // The surface is a tool of the hint window only while the pointer is over a cell: a tool-tip that
    // found no text when it was due would not show again before the pointer left its tool.
    const bool wasOn = !hintText_.empty();
    if (text == hintText_) {
        return;
    }
    hintText_ = text;
    TOOLINFOW tool = HintTool();
    if (hintText_.empty()) {
        SendMessageW(hintWindow_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (!wasOn) {
        SendMessageW(hintWindow_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(hintWindow_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void PalletView::RelayToHint(UINT message, WPARAM wParam, LPARAM lParam) const {
    const DWORD position = GetMessagePos();
    MSG relayed{hwnd_,
                message,
                wParam,
                lParam,
                static_cast<DWORD>(GetMessageTime()),
                POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)}};
    SendMessageW(hintWindow_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace tintrel
