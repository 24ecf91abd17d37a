// The readout fields, the swatch, the template list and the clipboard as the user sees them.
#include <windows.h>
#include <windowsx.h>  // ComboBox_SetCurSel

#include <array>
#include <string>

#include "color/format_template.h"
#include "color/readout_text.h"
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

// The notations and the letter case come from the menu's check marks, read when the readout is
// refreshed: the fields show what the portable readout composes for them.
TEST_F(ColourReadout, ShowsTheNotationsTheMenuIsCheckedFor) {
    const struct {
        int rgbItem;  // the checked item of each group, 0 to 3
        int cmykItem;
        bool lowerCase;
        Notation rgb;
        Notation cmyk;
    } rows[] = {
        {0, 0, false, Notation::Decimal, Notation::Decimal},
        {1, 2, true, Notation::Hexadecimal, Notation::Percent},
        {3, 1, false, Notation::Fraction, Notation::Hexadecimal},
    };
    PickWorkedColor();
    const HMENU menu = mainForm->PopupMenu1();
    for (const auto& row : rows) {
        for (int item = 0; item < 4; ++item) {
            CheckMenuItem(menu, static_cast<UINT>(CommandId::RGB1) + item,
                          MF_BYCOMMAND | (item == row.rgbItem ? MF_CHECKED : MF_UNCHECKED));
            CheckMenuItem(menu, static_cast<UINT>(CommandId::CMYK1) + item,
                          MF_BYCOMMAND | (item == row.cmykItem ? MF_CHECKED : MF_UNCHECKED));
        }
        CheckMenuItem(menu, static_cast<UINT>(CommandId::Popup2), MF_BYCOMMAND | (row.lowerCase ? MF_CHECKED : 0));
        mainForm->UpdateReadout();

        const ReadoutTexts texts =
            ComposeReadout(mainForm->Color(), kWebColorTemplate, row.rgb, row.cmyk, {row.lowerCase, "."});
        const Fields expected{WidenCp932(texts.F), WidenCp932(texts.R), WidenCp932(texts.G), WidenCp932(texts.B),
                              WidenCp932(texts.C), WidenCp932(texts.M), WidenCp932(texts.Y), WidenCp932(texts.K)};
        EXPECT_EQ(Shown(), expected) << "RGB item " << row.rgbItem << ", CMYK item " << row.cmykItem
                                     << (row.lowerCase ? ", lower case" : "");
    }
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
