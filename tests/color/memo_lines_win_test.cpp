// The lines a word-wrapping memo displays, read without asking it line by line, and a text put back by
// its changed part.
#include <windows.h>

#include <algorithm>  // std::max
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "color/format_editor_win.h"
#include "color/memo_lines_win.h"
#include "ui/window_text_win.h"

namespace tintrel {
namespace {

std::wstring Repeated(const std::wstring& piece, int times) {
    std::wstring text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// Lines of ASCII, of wide characters and of both, of every length from well inside the memo's width to
// beyond it: those that fit are taken without laying them out, and must be taken exactly.
std::wstring NarrowAndWideLines() {
    std::wstring text;
    for (int length = 1; length <= 70; ++length) {
        text += std::wstring(static_cast<std::size_t>(length), L'W') + L"\r\n";
        text += Repeated(L"\u3042", length / 2) + L"\r\n";
        text += Repeated(L"a\u3042", length / 3) + L"\r\n";
        text += Repeated(L"\uFF76", length) + L"\r\n";  // half-width katakana
    }
    return text;
}

class MemoLines : public testing::Test {
protected:
    void SetUp() override {
        editor.Create();
        memo = editor.MFormat();
        layoutCopy = CreateLayoutCopy(memo);
    }

    // The memo's lines asked of it one by one, slowly but as it shows them.
    std::vector<std::wstring> LinesOneByOne() const {
        std::vector<std::wstring> lines;
        for (int line = 0; line < static_cast<int>(SendMessageW(memo, EM_GETLINECOUNT, 0, 0)); ++line) {
            const auto start = SendMessageW(memo, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
            const auto length = SendMessageW(memo, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
            // EM_GETLINE takes the buffer size in its first character and needs room for at least that one.
            std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 1)), L'\0');
            text[0] = static_cast<wchar_t>(text.size());
            text.resize(static_cast<std::size_t>(
                SendMessageW(memo, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text.data()))));
            lines.push_back(text);
        }
        return lines;
    }

    TFFormat editor;
    HWND memo = nullptr;
    HWND layoutCopy = nullptr;
};

TEST_F(MemoLines, AreTheLinesTheMemoShows) {
    const struct {
        const char* name;
        std::wstring text;
    } cases[] = {
        {"empty", L""},
        {"blank lines and a final break", L"\\W\r\n\r\n\\R,\\G,\\B\r\n"},
        {"a soft line break", L"one\r\r\ntwo"},
        {"wrapping lines over several pieces",
         Repeated(L"color:#\\RR\\GG\\BB; background-color:#\\RR\\GG\\BB;\r\n", 150)},
        {"a line without spaces longer than a piece", std::wstring(9000, L'W') + L"\r\nshort"},
        {"a wrapping line without spaces over several pieces", Repeated(L"\\W", 5000)},
        {"short lines after wrapping ones",
         Repeated(L"\\R \\G \\B \\C \\M \\Y \\K \\R% \\G% \\B% \\W\r\n\\W\r\n", 100)},
        {"lines of every length about the memo's width", NarrowAndWideLines()},
        {"a soft line break before short lines", L"one\r\r\ntwo\r\nthree\r\n"},
        {"tabs, lone breaks and control characters in short lines",
         L"a\tb\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\tc\r\nd\ne\r\nf\rg\r\n\x01\x7f\r\nh"},
        {"characters the font may lack",
         L"\U0001F600 \u0915\u094D\u0937 \u05D0\u05D1 \u0301a\r\n" + Repeated(L"\U0001F600", 40)},
        {"a text that repeats itself, with another end", Repeated(L"\\W", 5000) + L"\\R\r\n" + Repeated(L"\\W", 2500)},
        {"repeated wrapping lines", Repeated(L"\\R \\G \\B \\C \\M \\Y \\K \\R% \\G% \\B% \\W\r\n", 300)},
    };
    for (const auto& [name, text] : cases) {
        SetWindowTextW(memo, text.c_str());
        EXPECT_EQ(DisplayedLines(text, layoutCopy), LinesOneByOne()) << name;
    }
}

TEST_F(MemoLines, ReplacingTheChangedPartGivesTheWholeText) {
    const std::wstring longLine = Repeated(L"\\W", 3000);
    const struct {
        std::wstring before;
        std::wstring after;
    } cases[] = {
        {L"a\r\nb", L"a\r\n" + longLine + L"\r\n" + longLine + L"\r\nb"},
        {L"", std::wstring(4095, L'x') + L"\r\n" + longLine},
        {L"", std::wstring(4095, L'x') + L"\U0001F600" + longLine},
        {L"", Repeated(L"\\R,\\G,\\B\r\n", 20000)},
        {L"", L"\\W"},
        {L"\\W", L""},
        {L"a\r\nb\r\nc", L"a\r\nB\r\nc"},
        {L"a\r\nc", L"a\r\nb\r\nc"},
        {L"a\r\nb\r\nc", L"a\r\nc"},
        {L"aaa", L"aa"},
        {L"abcabc", L"abc"},
        {L"x\r\n", L"x\r\n\r\n"},
        {L"same", L"same"},
    };
    for (const auto& [before, after] : cases) {
        SetWindowTextW(memo, before.c_str());
        MemoReplacement replacement(memo, after);
        while (replacement.InsertPiece()) {
        }
        EXPECT_EQ(WindowText(memo), after) << "from " << testing::PrintToString(before);
        // Setting the text whole, the last resort, would have cleared the flag that editing sets.
        EXPECT_EQ(SendMessageW(memo, EM_GETMODIFY, 0, 0) != 0, before != after)
            << "from " << testing::PrintToString(before);
    }
}

}  // namespace
}  // namespace tintrel
