#include "color/memo_lines_win.h"

#include <algorithm>  // std::max, std::min
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

// The lines typed, split at the line breaks only. Empty when they need not be what the control shows:
// a soft line break ("\r\r\n") ends a line without its carriage return.
std::vector<std::wstring_view> TypedLines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(L"\r\n", start);
        const std::wstring_view line = text.substr(start, end == text.npos ? text.npos : end - start);
        if (line.ends_with(L'\r')) {
            return {};
        }
        lines.push_back(line);
        if (end == text.npos) {
            return lines;
        }
        start = end + 2;
    }
}

// Lays the text out a piece at a time in the layout copy. Word wrap fills each line from its start
// without looking back, so laying out from a line's start gives the lines the whole text gives; only the
// last lines of a piece that stops short of the end may be cut by the stop, and they are laid out again
// at the start of the next piece.
std::vector<std::wstring> LinesLaidOutInPieces(std::wstring_view text, HWND layoutCopy) {
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

std::vector<std::wstring> DisplayedLines(HWND memo, HWND layoutCopy) {
    const std::wstring text = WindowText(memo);
    const int count = LineCount(memo);
    // Most often no line wraps: then the typed lines are the displayed ones.
    const std::vector<std::wstring_view> typed = TypedLines(text);
    if (typed.size() == static_cast<std::size_t>(count)) {
        return std::vector<std::wstring>(typed.begin(), typed.end());
    }
    std::vector<std::wstring> lines = LinesLaidOutInPieces(text, layoutCopy);
    if (lines.size() != static_cast<std::size_t>(count)) {
        // The copy laid the text out otherwise than the memo: ask the memo itself, however long it takes.
        lines.clear();
        for (int line = 0; line < count; ++line) {
            lines.push_back(DisplayedLine(memo, line));
        }
    }
    return lines;
}

std::wstring DisplayedLine(HWND memo, int index) {
    if (index < 0 || index >= LineCount(memo)) {
        return {};
    }
    const int start = LineStart(memo, index);
    // EM_GETLINE takes the buffer size in its first character and needs room for at least that one.
    std::wstring line(static_cast<std::size_t>(std::max(LineLength(memo, start), 1)), L'\0');
    line[0] = static_cast<wchar_t>(std::min<std::size_t>(line.size(), 0xFFFF));
    const auto copied =
        SendMessageW(memo, EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.data()));
    line.resize(static_cast<std::size_t>(copied));
    return line;
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
