#include "color/memo_lines_win.h"

#include <algorithm>  // std::min
#include <string_view>

#include "ui/base_window_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// Characters laid out at a time in the layout copy: a few dozen displayed lines, so that reading them
// one by one stays cheap.
constexpr std::size_t kLayoutPiece = 4096;

int LineCount(HWND edit) {
    return static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
}

int LineStart(HWND edit, int line) {
    return static_cast<int>(SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

int LineLength(HWND edit, int start) {
    return static_cast<int>(SendMessageW(edit, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
}

}  // namespace

HWND CreateLayoutCopy(HWND memo) {
    RECT bounds;
    GetWindowRect(memo, &bounds);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(memo, GWL_STYLE)) & ~(WS_VISIBLE | WS_TABSTOP);
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(memo, GWL_EXSTYLE));
    const HWND copy = CreateWindowChecked(exStyle, L"EDIT", L"", style, 0, 0, bounds.right - bounds.left,
                                          bounds.bottom - bounds.top, GetParent(memo), nullptr, nullptr);
    SendMessageW(copy, WM_SETFONT, SendMessageW(memo, WM_GETFONT, 0, 0), FALSE);
    SendMessageW(copy, EM_SETLIMITTEXT, 0, 0);
    return copy;
}

// Lays the text out a piece at a time in the layout copy. Word wrap fills each line from its start
// without looking back, so laying out from a line's start gives the lines the whole text gives; only the
// last lines of a piece that stops short of the end may be cut by the stop, and they are laid out again
// at the start of the next piece.
std::vector<std::wstring> DisplayedLines(std::wstring_view text, HWND layoutCopy) {
    std::vector<std::wstring> lines;
    std::size_t pieceSize = kLayoutPiece;
    for (std::size_t pos = 0;;) {
        const std::wstring piece(text.substr(pos, pieceSize));
        SetWindowTextW(layoutCopy, piece.c_str());
        const bool reachesEnd = pos + piece.size() == text.size();
        const int count = LineCount(layoutCopy);
        const int settled = reachesEnd ? count : count - 2;
        if (settled <= 0) {
            pieceSize *= 2;  // lines longer than a piece: lay out more at once
            continue;
        }
        for (int line = 0; line < settled; ++line) {
            const int start = LineStart(layoutCopy, line);
            lines.push_back(
                piece.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(LineLength(layoutCopy, start))));
        }
        if (reachesEnd) {
            return lines;
        }
        pos += static_cast<std::size_t>(LineStart(layoutCopy, settled));
        pieceSize = kLayoutPiece;
    }
}

void ReplaceChangedText(HWND edit, std::wstring_view text) {
    const std::wstring current = WindowText(edit);
    if (current == text) {
        return;
    }
    const std::size_t shorter = std::min(current.size(), text.size());
    std::size_t sameStart = 0;
    while (sameStart < shorter && current[sameStart] == text[sameStart]) {
        ++sameStart;
    }
    std::size_t sameEnd = 0;  // alike at the end, apart from what is alike at the start
    while (sameEnd < shorter - sameStart && current[current.size() - 1 - sameEnd] == text[text.size() - 1 - sameEnd]) {
        ++sameEnd;
    }
    const std::wstring replacement(text.substr(sameStart, text.size() - sameStart - sameEnd));
    SendMessageW(edit, EM_SETSEL, sameStart, current.size() - sameEnd);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(replacement.c_str()));
    if (WindowText(edit) != text) {
        SetWindowTextW(edit, std::wstring(text).c_str());
    }
}

}  // namespace tintrel
