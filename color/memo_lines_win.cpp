#include "color/memo_lines_win.h"

#include <algorithm>  // std::min
#include <string_view>
#include <unordered_map>
#include <utility>  // std::move
#include <vector>

#include "ui/base_window_win.h"
#include "ui/gdi_handles_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// Characters laid out at a time in the layout copy: a few dozen displayed lines, so that reading them
// one by one stays cheap. Per displayed line the layout costs the same from a few hundred characters up
// to this size, and grows beyond it.
constexpr std::size_t kLayoutPiece = 4096;
// Characters inserted into an edit control at once, in whole lines where lines are short.
constexpr std::size_t kInsertion = 16384;

int LineCount(HWND edit) {
    return static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
}

int LineStart(HWND edit, int line) {
    return static_cast<int>(SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

int LineLength(HWND edit, int start) {
    return static_cast<int>(SendMessageW(edit, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
}

// Tells the lines that any word-wrapping edit control shows whole on one line, whatever its rules for
// breaking lines: lines without control characters, whose every character has a glyph of its own in the
// control's font, and which are narrower than the formatting rectangle by more than the widest character.
// Such lines need no layout, which costs a fraction of a millisecond per line on some systems.
class OneLineCheck {
public:
    explicit OneLineCheck(HWND edit)
        : dc_(edit), font_(dc_.Get(), reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0))) {
        RECT format{};
        SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_.Get(), &metrics);
        room_ = format.right - format.left - metrics.tmMaxCharWidth;
    }

    bool FitsOnOneLine(std::wstring_view line) {
        int width = 0;
        for (const wchar_t c : line) {
            const int charWidth = Width(c);
            if (charWidth < 0) {
                return false;
            }
            width += charWidth;
            if (width >= room_) {
                return false;
            }
        }
        return true;
    }

private:
    static constexpr std::size_t kBlock = 256;
    static constexpr short kNotMeasured = -2;
    static constexpr short kNoGlyph = -1;

    // The advance of `c`, or kNoGlyph for a control character or one the font would draw from another.
    int Width(wchar_t c) {
        const auto code = static_cast<std::size_t>(c);
        if (widths_[code] == kNotMeasured) {
            MeasureBlock(code - code % kBlock);
        }
        return widths_[code];
    }

    void MeasureBlock(std::size_t first) {
        wchar_t chars[kBlock];
        WORD glyphs[kBlock];
        INT advances[kBlock];
        for (std::size_t i = 0; i < kBlock; ++i) {
            chars[i] = static_cast<wchar_t>(first + i);
        }
        const bool measured =
            GetGlyphIndicesW(dc_.Get(), chars, static_cast<int>(kBlock), glyphs, GGI_MARK_NONEXISTING_GLYPHS) ==
                kBlock &&
            GetCharWidth32W(dc_.Get(), static_cast<UINT>(first), static_cast<UINT>(first + kBlock - 1), advances);
        for (std::size_t i = 0; i < kBlock; ++i) {
            const bool drawable = measured && first + i >= L' ' && glyphs[i] != 0xFFFF;
            widths_[first + i] = drawable ? static_cast<short>(advances[i]) : kNoGlyph;
        }
    }

    WindowDC dc_;
    ScopedSelect font_;
    int room_ = 0;
    std::vector<short> widths_ = std::vector<short>(0x10000, kNotMeasured);
};

// The displayed lines of a piece laid out in the layout copy that do not depend on where the piece
// stops, as offsets into the piece, and where the next piece starts.
struct PieceLayout {
    std::vector<std::pair<int, int>> lines;
    std::size_t next = 0;
};

// Lays out a run of text a piece at a time. Word wrap fills each line from its start without looking
// back, so laying out from a line's start gives the lines the whole text gives; only the last lines of a
// piece that stops short of the run's end may be cut by the stop, and they are laid out again at the
// start of the next piece. A piece like one laid out before is laid out alike, so a text that repeats
// itself is laid out once.
class PieceLayouter {
public:
    explicit PieceLayouter(HWND layoutCopy) : layoutCopy_(layoutCopy) {}

    void AppendLines(std::wstring_view run, std::vector<std::wstring>& lines) {
        std::size_t pieceSize = kLayoutPiece;
        for (std::size_t pos = 0;;) {
            const std::wstring_view piece = run.substr(pos, pieceSize);
            const bool reachesEnd = pos + piece.size() == run.size();
            const PieceLayout* layout = LaidOut(piece, reachesEnd);
            if (layout == nullptr) {
                pieceSize *= 2;  // lines longer than a piece: lay out more at once
                continue;
            }
            for (const auto& [start, length] : layout->lines) {
                lines.emplace_back(piece.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length)));
            }
            if (reachesEnd) {
                return;
            }
            pos += layout->next;
            pieceSize = kLayoutPiece;
        }
    }

private:
    // The layout of `piece`, or nullptr when no line of it is settled.
    const PieceLayout* LaidOut(std::wstring_view piece, bool reachesEnd) {
        std::wstring key(piece);
        key += reachesEnd ? L'E' : L'P';
        if (const auto known = layouts_.find(key); known != layouts_.end()) {
            return &known->second;
        }
        SetWindowTextW(layoutCopy_, std::wstring(piece).c_str());
        const int count = LineCount(layoutCopy_);
        const int settled = reachesEnd ? count : count - 2;
        if (settled <= 0) {
            return nullptr;
        }
        PieceLayout layout;
        for (int line = 0; line < settled; ++line) {
            const int start = LineStart(layoutCopy_, line);
            layout.lines.emplace_back(start, LineLength(layoutCopy_, start));
        }
        layout.next = reachesEnd ? piece.size() : static_cast<std::size_t>(LineStart(layoutCopy_, settled));
        return &layouts_.emplace(std::move(key), std::move(layout)).first->second;
    }

    HWND layoutCopy_;
    std::unordered_map<std::wstring, PieceLayout> layouts_;
};

// How much of `text` to insert into an edit control at once: whole lines, up to about kInsertion
// characters, but no more than a piece of any one line. A long line inserted whole is laid out, on some
// systems, in time that grows with the square of its length, while each insertion costs time that grows
// with the length of the whole text.
std::size_t InsertionSize(std::wstring_view text) {
    std::size_t size = 0;
    while (size < text.size() && size < kInsertion) {
        const std::size_t lineSize = std::min(text.find(L'\n', size), text.size() - 1) + 1 - size;
        if (lineSize <= kLayoutPiece) {
            size += lineSize;
        } else if (size > 0) {
            break;
        } else {
            size = kLayoutPiece;
            if (text[size - 1] == L'\r' || IS_HIGH_SURROGATE(text[size - 1])) {
                ++size;  // a line break or a character in two halves goes in whole
            }
        }
    }
    return size;
}

bool HasControlCharacter(std::wstring_view text) {
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c < L' '; });
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

// Lines that surely fit are taken as they are; the others are laid out in runs. A run ends only at a
// line break that follows a line without control characters, so that each run is laid out as it is
// within the whole text (a carriage return before a line break, for one, makes it a soft break).
std::vector<std::wstring> DisplayedLines(std::wstring_view text, HWND layoutCopy) {
    OneLineCheck oneLine(layoutCopy);
    PieceLayouter layouter(layoutCopy);
    std::vector<std::wstring> lines;
    std::size_t runStart = 0;
    bool inRun = false;
    bool afterPlainLine = true;
    for (std::size_t pos = 0;;) {
        const std::size_t end = std::min(text.find(L"\r\n", pos), text.size());
        const std::wstring_view line = text.substr(pos, end - pos);
        const bool plain = !HasControlCharacter(line);
        if (plain && afterPlainLine && oneLine.FitsOnOneLine(line)) {
            if (inRun) {
                layouter.AppendLines(text.substr(runStart, pos - 2 - runStart), lines);
                inRun = false;
            }
            lines.emplace_back(line);
        } else if (!inRun) {
            inRun = true;
            runStart = pos;
        }
        afterPlainLine = plain;
        if (end == text.size()) {
            break;
        }
        pos = end + 2;
    }
    if (inRun) {
        layouter.AppendLines(text.substr(runStart), lines);
    }
    return lines;
}

MemoReplacement::MemoReplacement(HWND edit, std::wstring_view text) : edit_(edit) {
    const std::wstring current = WindowText(edit);
    const std::size_t shorter = std::min(current.size(), text.size());
    while (at_ < shorter && current[at_] == text[at_]) {
        ++at_;
    }
    std::size_t sameEnd = 0;  // alike at the end, apart from what is alike at the start
    while (sameEnd < shorter - at_ && current[current.size() - 1 - sameEnd] == text[text.size() - 1 - sameEnd]) {
        ++sameEnd;
    }
    if (current.size() - sameEnd > at_) {
        SendMessageW(edit, EM_SETSEL, at_, current.size() - sameEnd);
        SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    }
    replacement_ = text.substr(at_, text.size() - at_ - sameEnd);
}

bool MemoReplacement::InsertPiece() {
    if (Finished()) {
        return false;
    }
    const std::wstring_view rest = std::wstring_view(replacement_).substr(done_);
    const std::wstring piece(rest.substr(0, InsertionSize(rest)));
    SendMessageW(edit_, EM_SETSEL, at_, static_cast<LPARAM>(at_));
    SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
    at_ += piece.size();
    done_ += piece.size();
    return true;
}

}  // namespace tintrel
