// The format editor: the memo that holds the template list, and its OK / Cancel discipline.
#include <windows.h>
#include <windowsx.h>  // ComboBox_GetCount

#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "base/error.h"
#include "color/format_template.h"
#include "tests/app/main_form_fixture_win.h"
#include "tests/persist/test_support.h"
#include "ui/window_text_win.h"

namespace tintrel::testing_win {
namespace {

using test_support::Escaped;

class FormatEditor : public MainFormTest {
protected:
    // Opens the editor from the menu; while it is open, `edit` runs and then ends it with `finish`.
    void OpenEditor(const std::wstring& newText, std::function<void(TFFormat&)> finish) {
        CallSoon([this, newText, finish] {
            opened = IsWindowVisible(formatEditor->Handle()) != FALSE;
            focusOnMemo = GetFocus() == formatEditor->MFormat();
            SetWindowTextW(formatEditor->MFormat(), newText.c_str());
            finish(*formatEditor);
        });
        mainForm->ExecuteCommand(CommandId::NFormat);
    }

    static void PressOk(TFFormat& editor) { SendMessageW(editor.Button1(), BM_CLICK, 0, 0); }
    static void PressCancel(TFFormat& editor) { SendMessageW(editor.Button2(), BM_CLICK, 0, 0); }

    std::vector<std::wstring> ListedLabels() const {
        std::vector<std::wstring> labels;
        for (int index = 0; index < ComboBox_GetCount(mainForm->Control(ControlId::ComboF)); ++index) {
            wchar_t label[256] = {};
            ComboBox_GetLBText(mainForm->Control(ControlId::ComboF), index, label);
            labels.emplace_back(label);
        }
        return labels;
    }

    bool opened = false;
    bool focusOnMemo = false;
};

using Labels = std::vector<std::wstring>;

TEST_F(FormatEditor, IsACentredDialogWithTheFormatListInItsMemo) {
    RECT client;
    GetClientRect(formatEditor->Handle(), &client);
    EXPECT_EQ(client.right, 317);
    EXPECT_EQ(client.bottom, 268);
    EXPECT_EQ(formatEditor->MemoText(), std::string(kDefaultFormatListText));
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(formatEditor->MFormat(), GWL_STYLE));
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_FALSE(style & (ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL)) << "word wrap and no scroll bars";

    OpenEditor(L"#\\RR\\GG\\BB\r\n", PressCancel);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(focusOnMemo);
    EXPECT_FALSE(IsWindowVisible(formatEditor->Handle()));
    EXPECT_TRUE(IsWindowEnabled(mainForm->Handle()));
}

// Typed Tab and Shift+Tab go through the editor's modal loop and walk its controls in a ring, out of
// the multi-line memo too, which would otherwise take the Tab as text.
TEST_F(FormatEditor, TabAndShiftTabWalkTheMemoAndTheButtonsInARing) {
    const auto name = [this](HWND window) -> std::string {
        return window == formatEditor->MFormat()   ? "memo"
               : window == formatEditor->Button1() ? "OK"
               : window == formatEditor->Button2() ? "Cancel"
                                                   : "elsewhere";
    };
    const bool shiftPresses[] = {false, false, false, true, true, true};
    std::vector<std::string> focusAfter;
    std::wstring memoAtEnd;
    bool keyPending = false;
    HWND focusBefore = nullptr;
    ULONGLONG deadline = 0;
    // Runs from the editor's message loop: waits until the key sent last has moved the focus (or for ten
    // seconds, which only a fault takes), notes where the focus is, and sends the next key; after the last
    // one, cancels.
    std::function<void()> step = [&] {
        if (keyPending) {
            if (GetFocus() == focusBefore && GetTickCount64() < deadline) {
                CallSoon(step, 10);
                return;
            }
            focusAfter.push_back(name(GetFocus()));
            keyPending = false;
        }
        if (focusAfter.size() == std::size(shiftPresses)) {
            memoAtEnd = WindowText(formatEditor->MFormat());
            PressCancel(*formatEditor);
            return;
        }
        focusBefore = GetFocus();
        deadline = GetTickCount64() + 10000;
        keyPending = true;
        SendKey(VK_TAB, shiftPresses[focusAfter.size()]);
        CallSoon(step, 10);
    };
    CallSoon(step);
    mainForm->ExecuteCommand(CommandId::NFormat);

    EXPECT_EQ(focusAfter, (std::vector<std::string>{"OK", "Cancel", "memo", "Cancel", "OK", "memo"}));
    EXPECT_EQ(memoAtEnd, WidenCp932(kDefaultFormatListText)) << "no Tab was typed into the memo";
}

TEST_F(FormatEditor, OkWithoutChangesStillSelectsTheFirstTemplateAgain) {
    ChooseTemplate(5);
    CallSoon([this] { PressOk(*formatEditor); });
    mainForm->ExecuteCommand(CommandId::NFormat);
    EXPECT_EQ(ComboBox_GetCurSel(mainForm->Control(ControlId::ComboF)), 0);
    EXPECT_EQ(ListedLabels().size(), 16u);
}

TEST_F(FormatEditor, CancelPutsTheTextBackAndKeepsTheSelection) {
    ChooseTemplate(5);
    const std::string before = formatEditor->MemoText();
    OpenEditor(L"edited", PressCancel);
    EXPECT_EQ(formatEditor->MemoText(), before);
    EXPECT_EQ(ComboBox_GetCurSel(mainForm->Control(ControlId::ComboF)), 5);

    std::wstring shownAgain;
    CallSoon([this, &shownAgain] {
        shownAgain = WindowText(formatEditor->MFormat());
        PressCancel(*formatEditor);
    });
    mainForm->ExecuteCommand(CommandId::NFormat);
    EXPECT_EQ(shownAgain, WidenCp932(before)) << "the cancelled edit is not shown again";
}

// The memo is filled only when the editor opens, so a list is refused by the memo's limit alone.
TEST_F(FormatEditor, AListLongerThanTheMemoLimitIsRefusedAndTheListKept) {
    SendMessageW(formatEditor->MFormat(), EM_SETLIMITTEXT, 5, 0);
    const struct {
        std::string text;
        bool taken;
    } cases[] = {
        {"\\R\\G\\B", false}, {"ab\r\nc", true}, {std::string("ab\0cdefgh", 9), true},  // only what is shown counts
    };
    for (const auto& [text, taken] : cases) {
        formatEditor->SetMemoText("kept");
        try {
            formatEditor->SetMemoText(text);
            EXPECT_TRUE(taken) << Escaped(text);
        } catch (const Error& error) {
            EXPECT_FALSE(taken) << Escaped(text);
            EXPECT_EQ(WidenCp932(error.what()),
                      L"\u6587\u5B57\u5217\u306E\u5927\u304D\u3055\u304C \u30E1\u30E2 "
                      L"\u306E\u5236\u9650\u3092\u8D8A\u3048\u307E\u3057\u305F");
        }
        EXPECT_EQ(Escaped(formatEditor->MemoText()), Escaped(taken ? text : "kept"));
        EXPECT_EQ(formatEditor->FormatLine(0), taken ? text.substr(0, 2) : "kept") << Escaped(text);
    }
}

// A list that takes seconds to lay out goes into the memo while the editor runs, which shows at once with
// the memo read-only and OK disabled until the whole list is in. Cancel meanwhile keeps the list, and the
// next opening puts in the rest. The user may look further down meanwhile: the view and the selection
// stay where they are put.
TEST_F(FormatEditor, ALongListGoesIntoTheMemoWhileTheEditorRuns) {
    std::string longLine;
    for (int i = 0; i < 150000; ++i) {
        longLine += "\\W";
    }
    formatEditor->SetMemoText(longLine);
    const HWND memo = formatEditor->MFormat();
    const auto filling = [&] {
        return !IsWindowEnabled(formatEditor->Button1()) && (GetWindowLongPtrW(memo, GWL_STYLE) & ES_READONLY) != 0;
    };
    bool fillingWhenShown = false;
    DWORD selection[2] = {};
    LRESULT topLine = -1;
    CallSoon([&] {
        fillingWhenShown = filling();
        SendMessageW(memo, EM_SETSEL, 60, 70);
        SendMessageW(memo, EM_LINESCROLL, 0, 3);
        const int length = GetWindowTextLengthW(memo);
        PumpUntil([&] { return GetWindowTextLengthW(memo) > length; });
        SendMessageW(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&selection[0]), reinterpret_cast<LPARAM>(&selection[1]));
        topLine = SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0);
        PressCancel(*formatEditor);
    });
    mainForm->ExecuteCommand(CommandId::NFormat);
    EXPECT_TRUE(fillingWhenShown);
    EXPECT_EQ(selection[0], 60u);
    EXPECT_EQ(selection[1], 70u);
    EXPECT_EQ(topLine, 3);
    EXPECT_TRUE(formatEditor->MemoText() == longLine);

    bool filled = false;
    std::wstring shown;
    CallSoon([&] {
        filled = PumpUntil([&] { return !filling(); }, 60000);
        shown = WindowText(memo);
        PressOk(*formatEditor);
    });
    mainForm->ExecuteCommand(CommandId::NFormat);
    EXPECT_TRUE(filled);
    EXPECT_TRUE(shown == WidenCp932(longLine)) << shown.size() << " characters shown of " << longLine.size();
    EXPECT_TRUE(formatEditor->MemoText() == longLine);
}

TEST_F(FormatEditor, EscapeCancelsLikeTheCancelButton) {
    const std::string before = formatEditor->MemoText();
    OpenEditor(L"edited", [](TFFormat& editor) { PostMessageW(editor.MFormat(), WM_KEYDOWN, VK_ESCAPE, 1); });
    EXPECT_EQ(formatEditor->MemoText(), before);
    EXPECT_EQ(ListedLabels().size(), 16u);
}

TEST_F(FormatEditor, TheCloseBoxAlsoPutsTheTextBackSoTheListStaysInStep) {
    const std::string before = formatEditor->MemoText();
    OpenEditor(L"edited", [](TFFormat& editor) { PostMessageW(editor.Handle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(formatEditor->MemoText(), before);
    EXPECT_EQ(ListedLabels().size(), 16u);
}

TEST_F(FormatEditor, OkRebuildsTheListFromTheDisplayedLines) {
    OpenEditor(L"\\W\r\n\r\n\\R,\\G,\\B\r\n", PressOk);
    EXPECT_EQ(ListedLabels(), (Labels{L"DWORD", L"", L"R,G,B"}))
        << "a blank line is an item, a final line break is not";
}

TEST_F(FormatEditor, AnEmptyTemplateEmptiesTheTextLine) {
    mainForm->SetColor(0x003C2B1A);
    OpenEditor(L"\\W\r\n\r\n\\R,\\G,\\B", PressOk);
    ChooseTemplate(1);
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"");
    ChooseTemplate(2);
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"26,43,60");
}

TEST_F(FormatEditor, DeletingEveryLineEmptiesTheListAndTheTextLineUsesTheWebColour) {
    mainForm->SetColor(0x003C2B1A);
    OpenEditor(L"", PressOk);
    EXPECT_TRUE(ListedLabels().empty());
    EXPECT_EQ(ComboBox_GetCurSel(mainForm->Control(ControlId::ComboF)), CB_ERR);
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"#1A2B3C");
}

TEST_F(FormatEditor, ALongTemplateWrapsIntoSeveralItems) {
    const std::wstring longLine =
        L"\\R,\\G,\\B \\R,\\G,\\B \\R,\\G,\\B \\R,\\G,\\B \\R,\\G,\\B \\R,\\G,\\B \\R,\\G,\\B";
    OpenEditor(longLine, PressOk);
    const Labels labels = ListedLabels();
    ASSERT_GE(labels.size(), 2u);
    std::wstring joined;
    for (const std::wstring& label : labels) {
        joined += label;
    }
    std::wstring expected;
    for (wchar_t c : longLine) {
        if (c != L'\\') {
            expected += c;
        }
    }
    // Wrapping breaks at spaces; the displayed lines together hold the whole template.
    std::erase(joined, L' ');
    std::erase(expected, L' ');
    EXPECT_EQ(joined, expected);
    EXPECT_EQ(formatEditor->MemoText(), NarrowCp932(longLine)) << "the text keeps only the typed line breaks";
}

TEST_F(FormatEditor, ALineBeyondTheListReadsEmpty) {
    EXPECT_EQ(formatEditor->FormatLine(1), "\\RR\\GG\\BB");
    EXPECT_EQ(formatEditor->FormatLine(16), "");
    EXPECT_EQ(formatEditor->FormatLine(-1), "");
}

TEST_F(FormatEditor, ANewFirstLineShowsItsLabelWhileTheTextLineKeepsTheWebColour) {
    mainForm->SetColor(0x003C2B1A);
    OpenEditor(L"\\R,\\G,\\B\r\n\\W\r\n", PressOk);
    EXPECT_EQ(ListedLabels(), (Labels{L"R,G,B", L"DWORD"}));
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"#1A2B3C");
}

TEST_F(FormatEditor, TheReadoutIsRefreshedAfterCancelToo) {
    mainForm->SetColor(0x003C2B1A);  // no readout refresh yet
    OpenEditor(L"", PressCancel);
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"#1A2B3C");
}

}  // namespace
}  // namespace tintrel::testing_win
