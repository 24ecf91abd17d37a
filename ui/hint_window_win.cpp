#include "ui/hint_window_win.h"

#include <commctrl.h>

#include "ui/base_window_win.h"

namespace tintrel {

OwnedWindow CreateHintWindow(int pause, int hidePause) {
    // Owned by no window: an owned topmost popup keeps some window managers from making the owner itself
    // stay on top.
    OwnedWindow hint(CreateWindowChecked(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                         WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                         CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr));
    SendMessageW(hint.Get(), TTM_SETDELAYTIME, TTDT_INITIAL, pause);
    SendMessageW(hint.Get(), TTM_SETDELAYTIME, TTDT_RESHOW, pause);
    SendMessageW(hint.Get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, hidePause);
    return hint;
}

TOOLINFOW BalloonTool(HWND owner, wchar_t* text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = owner;
    tool.uId = 1;
    tool.lpszText = text;
    return tool;
}

}  // namespace tintrel
