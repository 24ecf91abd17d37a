#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace tintrel {

// The lines a word-wrapping multi-line edit control displays. Asking the control for one line costs, on
// some systems, a walk over every line before it, laying out one long paragraph takes time that grows
// with the square of its length, and laying out any line a fraction of a millisecond; these find the
// lines in time linear in the text, and lay out only lines that may wrap.

// Creates a hidden edit control beside `memo` with its style, size and font, which lays out pieces of
// a text for DisplayedLines. It is destroyed with `memo`'s parent.
HWND CreateLayoutCopy(HWND memo);

// Every line the memo that `layoutCopy` copies would display for `text`, in order, an empty last line
// included; the memo itself is not used. The text of `layoutCopy` is replaced. Parts of the text that
// repeat are laid out once.
std::vector<std::wstring> DisplayedLines(std::wstring_view text, HWND layoutCopy);

// Gives an edit control a new text by replacing only the part that differs, so that the control lays
// out just the lines around it again: laying out a long text whole takes seconds on some systems. The new
// part goes in a piece at a time, so that a long paragraph costs time linear in its length and the work
// can be spread out.
class MemoReplacement {
public:
    // Removes the part of `edit`'s text that differs from `text`.
    MemoReplacement(HWND edit, std::wstring_view text);

    // Inserts the next piece of the new part; false, doing nothing, once all of it is in.
    bool InsertPiece();
    bool Finished() const { return done_ == replacement_.size(); }

private:
    HWND edit_;
    std::size_t at_ = 0;
    std::wstring replacement_;
    std::size_t done_ = 0;
};

}  // namespace tintrel
