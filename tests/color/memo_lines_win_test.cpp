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
    };
    for (const auto& [name, text] : cases) {
        SetWindowTextW(memo, text.c_str());
        EXPECT_EQ(DisplayedLines(text, layoutCopy), LinesOneByOne()) << name;
    }
}

TEST_F(MemoLines, ReplacingTheChangedPartGivesTheWholeText) {
    const struct {
        std::wstring before;
        std::wstring after;
    } cases[] = {
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
        ReplaceChangedText(memo, after);
        EXPECT_EQ(WindowText(memo), after) << "from " << testing::PrintToString(before);
    }
}

}  // namespace
}  // namespace tintrel
