// The readout fields, the swatch, the template list and the clipboard as the user sees them.
#include <windows.h>
#include <windowsx.h>  // ComboBox_SetCurSel

#include <array>
#include <string>

#include "tests/app/main_form_fixture_win.h"

namespace tintrel::testing_win {
namespace {

class ColourReadout : public MainFormTest {
protected:
    std::array<std::wstring, 8> Shown() const {
        return {WindowText(mainForm->Control(ControlId::EditF)), WindowText(mainForm->Control(ControlId::EditR)),
                WindowText(mainForm->Control(ControlId::EditG)), WindowText(mainForm->Control(ControlId::EditB)),
                WindowText(mainForm->Control(ControlId::EditC)), WindowText(mainForm->Control(ControlId::EditM)),
                WindowText(mainForm->Control(ControlId::EditY)), WindowText(mainForm->Control(ControlId::EditK))};
    }

    // The cursor the swatch shows under the pointer.
    HCURSOR SwatchCursor() const {
        SendMessageW(mainForm->Control(ControlId::PanelD), WM_SETCURSOR,
                     reinterpret_cast<WPARAM>(mainForm->Control(ControlId::PanelD)),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    }

    void PickWorkedColor() {
        mainForm->SetColor(0x003C2B1A);  // red 26, green 43, blue 60
        mainForm->UpdateReadout();
    }

    static void PutOnClipboard(const std::wstring& text) {
        OpenClipboard(nullptr);
        EmptyClipboard();
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        std::wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str());
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
};

using Fields = std::array<std::wstring, 8>;

TEST_F(ColourReadout, ShowsTheComponentLettersWithoutAColour) {
    EXPECT_EQ(Shown(), (Fields{L"", L"R", L"G", L"B", L"C", L"M", L"Y", L"K"}));
}

TEST_F(ColourReadout, ShowsTheWorkedColourInEveryNotation) {
    PickWorkedColor();
    EXPECT_EQ(Shown(), (Fields{L"#1A2B3C", L"26", L"43", L"60", L"34", L"17", L"0", L"195"}));

    mainForm->ExecuteCommand(CommandId::RGB2);
    mainForm->ExecuteCommand(CommandId::CMYK2);
    EXPECT_EQ(Shown(), (Fields{L"#1A2B3C", L"1A", L"2B", L"3C", L"22", L"11", L"00", L"C3"}));

    mainForm->ExecuteCommand(CommandId::Popup2);
    EXPECT_EQ(Shown(), (Fields{L"#1a2b3c", L"1a", L"2b", L"3c", L"22", L"11", L"00", L"c3"}));

    mainForm->ExecuteCommand(CommandId::RGB3);
    mainForm->ExecuteCommand(CommandId::CMYK3);
    EXPECT_EQ(Shown(), (Fields{L"#1a2b3c", L"10%", L"17%", L"24%", L"13%", L"7%", L"0%", L"76%"}));

    mainForm->ExecuteCommand(CommandId::RGB4);
    mainForm->ExecuteCommand(CommandId::CMYK4);
    EXPECT_EQ(Shown(), (Fields{L"#1a2b3c", L"0.102", L"0.169", L"0.235", L"0.133", L"0.067", L"0.000", L"0.765"}));
}

TEST_F(ColourReadout, ClearForgetsTheColourAndShowsTheLettersAgain) {
    PickWorkedColor();
    mainForm->ExecuteCommand(CommandId::Clear1);
    EXPECT_FALSE(mainForm->Color().HasColor);
    EXPECT_EQ(Shown(), (Fields{L"", L"R", L"G", L"B", L"C", L"M", L"Y", L"K"}));
    mainForm->ExecuteCommand(CommandId::Clear1);
    EXPECT_FALSE(mainForm->Color().HasColor);
}

TEST_F(ColourReadout, TheSwatchShowsTheColourAndOffersItForDragging) {
    PickWorkedColor();
    EXPECT_EQ(PixelOf(mainForm->Control(ControlId::PanelD), 16, 16), 0x003C2B1Au);
    EXPECT_EQ(PixelOf(mainForm->Control(ControlId::PanelD), 0, 0), GetSysColor(COLOR_BTNSHADOW)) << "the lowered bevel";
    EXPECT_EQ(SwatchCursor(), LoadCursorW(nullptr, IDC_HAND));

    mainForm->ExecuteCommand(CommandId::Clear1);
    EXPECT_EQ(PixelOf(mainForm->Control(ControlId::PanelD), 16, 16), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(SwatchCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(ColourReadout, TheListShowsTheLabelsOfTheDefaultTemplates) {
    ASSERT_EQ(ComboBox_GetCount(mainForm->Control(ControlId::ComboF)), 16);
    EXPECT_EQ(ComboBox_GetCurSel(mainForm->Control(ControlId::ComboF)), 0);
    wchar_t label[64] = {};
    ComboBox_GetLBText(mainForm->Control(ControlId::ComboF), 0, label);
    EXPECT_STREQ(label, L"#RRGGBB");
    ComboBox_GetLBText(mainForm->Control(ControlId::ComboF), 15, label);
    EXPECT_STREQ(label, L"DWORD");
}

TEST_F(ColourReadout, ChoosingATemplateRewritesTheTextLine) {
    PickWorkedColor();
    ChooseTemplate(10);
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"RGB(26,60,43)");
    ChooseTemplate(15);
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"3943194");
    ChooseTemplate(0);
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"#1A2B3C");
}

TEST_F(ColourReadout, ChoosingATemplateCopiesTheTextOnlyWithAutoCopy) {
    PickWorkedColor();
    PutOnClipboard(L"before");
    ChooseTemplate(2);
    EXPECT_EQ(ClipboardText(), L"before");

    mainForm->ExecuteCommand(CommandId::Popup1);
    ChooseTemplate(4);
    EXPECT_EQ(ClipboardText(), L"color=\"#1A2B3C\"");
}

TEST_F(ColourReadout, ChoosingATemplateWithoutAColourCopiesNothing) {
    mainForm->ExecuteCommand(CommandId::Popup1);
    PutOnClipboard(L"before");
    ChooseTemplate(3);
    EXPECT_EQ(ClipboardText(), L"before");
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditF)), L"");
}

TEST_F(ColourReadout, FractionsFollowTheUsersDecimalSeparator) {
    wchar_t saved[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved, 8);
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L","));
    SendMessageW(mainForm->Handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    PickWorkedColor();
    mainForm->ExecuteCommand(CommandId::RGB4);
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved);
    SendMessageW(mainForm->Handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));

    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditR)), L"0,102");
    mainForm->UpdateReadout();
    EXPECT_EQ(WindowText(mainForm->Control(ControlId::EditR)), std::wstring(L"0") + saved + L"102");
}

}  // namespace
}  // namespace tintrel::testing_win
