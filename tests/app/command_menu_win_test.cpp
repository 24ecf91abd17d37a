// The context menu: its items, check marks and radio groups, where it opens, and its shortcut keys.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "tests/app/main_form_fixture_win.h"
#include "tests/persist/test_support.h"
#include "ui/window_text_win.h"

namespace tintrel::testing_win {
namespace {

using CommandMenu = MainFormTest;

std::wstring ItemText(HMENU menu, CommandId item) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(item), text, 128, MF_BYCOMMAND);
    return text;
}

UINT ItemType(HMENU menu, CommandId item) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, static_cast<UINT>(item), FALSE, &info);
    return info.fType;
}

TEST_F(CommandMenu, ShowsEveryItemWithItsCaptionAndShortcut) {
    const HMENU menu = mainForm->PopupMenu1();
    EXPECT_EQ(GetMenuItemCount(menu), 9);
    // コントラストの確認(&K)... right after 消去
    EXPECT_EQ(GetMenuItemID(menu, 1), static_cast<UINT>(CommandId::NContrast));
    EXPECT_EQ(ItemText(menu, CommandId::NContrast), WidenCp932("\x83R\x83\x93\x83g\x83\x89\x83X\x83g\x82\xCC\x8Am\x94"
                                                               "F(&K)...\tShift+Ctrl+K"));
    EXPECT_EQ(ItemText(menu, CommandId::Clear1), WidenCp932("\x8F\xC1\x8B\x8E(&D)\tDel"));  // 消去
    EXPECT_EQ(ItemText(menu, CommandId::NPallet),
              WidenCp932("\x83p\x83\x8C\x83"
                         "b\x83g\x82\xCC\x95\x5C\x8E\xA6(&P)\tCtrl+P"));  // パレットの表示
    EXPECT_EQ(ItemText(menu, CommandId::NFormat),
              WidenCp932("\x83t\x83H\x81[\x83}\x83"
                         "b\x83g\x83G\x83"
                         "f\x83"
                         "B\x83^(&F)\tShift+Ctrl+F"));  // フォーマットエディタ
    EXPECT_EQ(ItemText(menu, CommandId::NPalDlg),
              WidenCp932("\x83p\x83\x8C\x83"
                         "b\x83g\x82\xCC\x90\xDD\x92\xE8(&S)\tShift+Ctrl+P"));  // パレットの設定
    EXPECT_EQ(ItemText(menu, CommandId::NExport),
              WidenCp932("\x83p\x83\x8C\x83"
                         "b\x83g\x82\xCC\x8F\x91\x82\xAB\x8Fo\x82\xB5(&E)...\tShift+Ctrl+S"));  // パレットの書き出し
    EXPECT_EQ(ItemText(menu, CommandId::NImport),
              WidenCp932("\x83p\x83\x8C\x83"
                         "b\x83g\x82\xCC\x93\xC7\x82\xDD\x8D\x9E\x82\xDD(&I)...\tShift+Ctrl+O"));  // パレットの読み込み
    EXPECT_EQ(ItemText(menu, CommandId::Exit1), WidenCp932("\x8FI\x97\xB9(&X)\tEsc"));             // 終了
    EXPECT_EQ(
        ItemText(menu, CommandId::RGB4),
        WidenCp932(
            "0\x81`1\x95\x5C\x8BL(&D)"));  // 0～1表記
                                           // ホットキーで色を取得（Ctrl+Alt+C）(&H), then 取得範囲 with its four sizes
    EXPECT_EQ(ItemText(menu, CommandId::NHotKey), WidenCp932("\x83z\x83"
                                                             "b\x83g\x83L\x81[\x82\xC5\x90"
                                                             "F\x82\xF0\x8E\xE6\x93\xBE\x81iCtrl+Alt+C\x81j(&H)"));
    EXPECT_EQ(ItemText(menu, CommandId::Sample9), WidenCp932("9\x81~9\x82\xCC\x95\xBD\x8B\xCF(&9)"));
    EXPECT_EQ(ItemText(menu, CommandId::MSample), WidenCp932("\x8E\xE6\x93\xBE\x94\xCD\x88\xCD(&R)"));  // 取得範囲
    const HMENU settings = GetSubMenu(menu, 2);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(settings, GetMenuItemCount(settings) - 3)), 4);
    // 画面を止めて取得(&F), then 色覚の模擬 last, with なし and the four kinds of colour vision as one group
    EXPECT_EQ(GetMenuItemID(settings, GetMenuItemCount(settings) - 2), static_cast<UINT>(CommandId::NPickFrozen));
    EXPECT_EQ(ItemText(menu, CommandId::NPickFrozen),
              WidenCp932("\x89\xE6\x96\xCA\x82\xF0\x8E~\x82\xDF\x82\xC4\x8E\xE6\x93\xBE(&F)"));
    const HMENU simulate = GetSubMenu(settings, GetMenuItemCount(settings) - 1);
    EXPECT_EQ(GetMenuItemCount(simulate), 5);
    EXPECT_EQ(ItemText(menu, CommandId::Simulate0), WidenCp932("\x82\xC8\x82\xB5(&N)"));
    EXPECT_EQ(ItemText(menu, CommandId::Simulate4), WidenCp932("1\x90"
                                                               "F\x8Ao(&A)"));
    EXPECT_TRUE(ItemType(menu, CommandId::Sample3) & MFT_RADIOCHECK);
    // The three submenus hold the options and the two notation groups.
    EXPECT_EQ(GetMenuItemCount(settings), 15);
    // 履歴 holding 履歴を表示(&H) and 履歴を消去(&C)
    EXPECT_EQ(ItemText(menu, CommandId::NHistory), WidenCp932("\x97\x9A\x97\xF0\x82\xF0\x95\x5C\x8E\xA6(&H)"));
    EXPECT_EQ(ItemText(menu, CommandId::NHistoryClear), WidenCp932("\x97\x9A\x97\xF0\x82\xF0\x8F\xC1\x8B\x8E(&C)"));
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, 4)), 4);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, 5)), 4);
    EXPECT_TRUE(ItemType(menu, CommandId::RGB2) & MFT_RADIOCHECK);
    EXPECT_FALSE(ItemType(menu, CommandId::Popup1) & MFT_RADIOCHECK);
}

TEST_F(CommandMenu, StartsWithTheDefaultsOfAFirstStart) {
    EXPECT_FALSE(mainForm->IsChecked(CommandId::Popup1));
    EXPECT_FALSE(mainForm->IsChecked(CommandId::Popup2));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::Popup3));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::NPallet));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::RGB1));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::CMYK1));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::NHotKey));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::Sample1));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::Simulate0));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::NHistory));
}

TEST_F(CommandMenu, OptionsToggleTheirCheckMark) {
    mainForm->ExecuteCommand(CommandId::Popup1);
    EXPECT_TRUE(mainForm->IsChecked(CommandId::Popup1));
    mainForm->ExecuteCommand(CommandId::Popup1);
    EXPECT_FALSE(mainForm->IsChecked(CommandId::Popup1));
}

TEST_F(CommandMenu, TheHistorysTabIsHiddenAndShownAndTheHistoryClearedAfterAQuestion) {
    constexpr COLORREF kPicked = RGB(0x12, 0x34, 0x56);
    const HWND tabs = mainForm->Control(ControlId::PalletTab);
    const HWND cells = mainForm->Control(ControlId::PaintPallet);
    const auto firstCell = [&] {
        TabCtrl_SetCurSel(tabs, 4);
        RedrawWindow(cells, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RECT client;
        GetClientRect(cells, &client);
        return PixelOf(cells, client.right / 8, client.bottom / 8);
    };
    TabCtrl_SetCurSel(tabs, 4);
    mainForm->ExecuteCommand(CommandId::NHistory);
    EXPECT_FALSE(mainForm->IsChecked(CommandId::NHistory));
    EXPECT_EQ(TabCtrl_GetItemCount(tabs), 4);
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 3) << "the last page instead of the hidden history";
    mainForm->RecordPick(static_cast<ColorRef>(kPicked));
    mainForm->ExecuteCommand(CommandId::NHistory);
    EXPECT_EQ(TabCtrl_GetItemCount(tabs), 5);
    EXPECT_EQ(firstCell(), kPicked) << "picked while hidden";

    boxAnswer = IDNO;
    mainForm->ExecuteCommand(CommandId::NHistoryClear);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text,
              WidenCp932("\x97\x9A\x97\xF0\x82\xF0\x8F\xC1\x8B\x8E\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81\x48"));
    EXPECT_EQ(boxes[0].Type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(firstCell(), kPicked) << "kept after No";
    boxAnswer = IDYES;
    mainForm->ExecuteCommand(CommandId::NHistoryClear);
    EXPECT_EQ(firstCell(), GetSysColor(COLOR_BTNFACE)) << "cleared after Yes: an empty place";

    mainForm->ExecuteCommand(CommandId::NHistory);
    ASSERT_TRUE(CloseProgram());
    const std::string settings = test_support::ReadBytes(SettingsFile());
    EXPECT_NE(settings.find("History=0\r\n"), std::string::npos) << settings;
    EXPECT_EQ(test_support::ReadBytes(directory / "Tintrel.plt").find("[History]"), std::string::npos);
}

TEST_F(CommandMenu, StayOnTopOptionChangesOnlyTheCheckMarkUntilTheNextStart) {
    mainForm->ExecuteCommand(CommandId::Popup3);
    EXPECT_FALSE(mainForm->IsChecked(CommandId::Popup3));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(mainForm->Handle(), GWL_EXSTYLE));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
}

TEST_F(CommandMenu, NotationItemsFormRadioGroups) {
    mainForm->ExecuteCommand(CommandId::RGB3);
    EXPECT_FALSE(mainForm->IsChecked(CommandId::RGB1));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::RGB3));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::CMYK1)) << "the other group is untouched";

    mainForm->ExecuteCommand(CommandId::RGB3);
    EXPECT_TRUE(mainForm->IsChecked(CommandId::RGB3)) << "clicking the checked item keeps it checked";

    mainForm->ExecuteCommand(CommandId::CMYK4);
    EXPECT_FALSE(mainForm->IsChecked(CommandId::CMYK1));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::CMYK4));
    EXPECT_TRUE(mainForm->IsChecked(CommandId::RGB3));
}

TEST_F(CommandMenu, VersionBoxHasFiveLinesAndNoIcon) {
    mainForm->ExecuteCommand(CommandId::MVar);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Caption, L"Tintrel");
    EXPECT_EQ(boxes[0].Type, static_cast<UINT>(MB_OK));
    const std::wstring& text = boxes[0].Text;
    EXPECT_EQ(text.substr(0, 23), L"Tintrel version2.02\r\n\r\n");
    // やるきのないバージョン情報でごめんなさい。
    const std::wstring apology = WidenCp932(
        "\x82\xE2\x82\xE9\x82\xAB\x82\xCC\x82\xC8\x82\xA2\x83o\x81[\x83W\x83\x87\x83\x93\x8F\xEE\x95\xF1\x82\xC5\x82"
        "\xB2\x82\xDF\x82\xF1\x82\xC8\x82\xB3\x82\xA2\x81"
        "B");
    EXPECT_EQ(text.substr(23, apology.size() + 4), apology + L"\r\n\r\n");
    const std::wstring owner = text.substr(23 + apology.size() + 4);
    EXPECT_FALSE(owner.empty());
    EXPECT_EQ(owner.find(L"\r\n"), std::wstring::npos);
}

TEST_F(CommandMenu, ExitClosesTheWindowLikeTheCloseBox) {
    mainForm->ExecuteCommand(CommandId::Exit1);
    Pump();
    EXPECT_EQ(mainForm->Handle(), nullptr);
}

// ---- Where the menu opens

// Asks the window for its context menu over `control` and returns the menu that appeared.
HMENU MenuOver(HWND control) {
    // Away from where the menu opens, so that no submenu opens under a resting pointer.
    SetCursorPos(0, 0);
    HMENU shown = nullptr;
    CallSoon([&shown] { shown = TakeShownMenu(); });
    RECT bounds;
    GetWindowRect(control, &bounds);
    SendMessageW(control, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control),
                 MAKELPARAM(bounds.left + 2, bounds.top + 2));
    // A control that shows no menu returns at once: let the pending timer pass anyway.
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
    return shown;
}

TEST_F(CommandMenu, OpensOverTheControlsThatCarryIt) {
    for (HWND control : {mainForm->Control(ControlId::PanelDef), mainForm->Control(ControlId::PanelP),
                         mainForm->Control(ControlId::PanelD), mainForm->Control(ControlId::ComboF),
                         mainForm->Control(ControlId::PalletPanel), mainForm->Control(ControlId::PalletTab)}) {
        EXPECT_EQ(MenuOver(control), mainForm->PopupMenu1()) << "control at x " << BoundsInParent(control).left;
    }
}

TEST_F(CommandMenu, ASecondaryClickOverTheTemplateListOpensIt) {
    SetForegroundWindow(mainForm->Handle());
    EXPECT_EQ(MenuOnRightClick(mainForm->Control(ControlId::ComboF)), mainForm->PopupMenu1());
    EXPECT_EQ(MenuOnRightClick(mainForm->Control(ControlId::PanelP)), mainForm->PopupMenu1());
    const HMENU editMenu = MenuOnRightClick(mainForm->Control(ControlId::EditR));
    EXPECT_NE(editMenu, nullptr) << "an edit box shows the platform's edit menu";
    EXPECT_NE(editMenu, mainForm->PopupMenu1());
}

// ---- Shortcut keys

// Presses a key with the given modifiers as the message loop would see it on `target`.
bool Press(TFMain& mainForm, HWND target, UINT key, bool shift = false, bool ctrl = false) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
    MSG message{target, WM_KEYDOWN, key, 1, 0, {}};
    const bool handled = mainForm.PreTranslateMessage(message);
    keys[VK_SHIFT] = 0;
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    return handled;
}

TEST_F(CommandMenu, ShortcutsActWhileTheTemplateListHasTheFocus) {
    mainForm->SetColor(0x003C2B1A);
    EXPECT_TRUE(Press(*mainForm, mainForm->Control(ControlId::ComboF), VK_DELETE));
    EXPECT_FALSE(mainForm->Color().HasColor);

    EXPECT_TRUE(Press(*mainForm, mainForm->Control(ControlId::ComboF), 'P', false, true));
    EXPECT_FALSE(mainForm->IsChecked(CommandId::NPallet));
}

TEST_F(CommandMenu, ShortcutsNeedExactlyTheirModifiers) {
    mainForm->SetColor(0x003C2B1A);
    Press(*mainForm, mainForm->Control(ControlId::ComboF), 'P');
    // Shift+Ctrl+P is the palette settings command, not the palette's Ctrl+P: it opens the dialog.
    bool dialogOpened = false;
    CallSoon([this, &dialogOpened] {
        dialogOpened = IsWindowVisible(palletDialog->Handle()) != FALSE;
        PostMessageW(palletDialog->Handle(), WM_CLOSE, 0, 0);
    });
    Press(*mainForm, mainForm->Control(ControlId::ComboF), 'P', true, true);
    EXPECT_TRUE(dialogOpened);
    Press(*mainForm, mainForm->Control(ControlId::ComboF), VK_DELETE, false, true);
    EXPECT_TRUE(mainForm->IsChecked(CommandId::NPallet));
    EXPECT_TRUE(mainForm->Color().HasColor);
}

TEST_F(CommandMenu, ShortcutsActInsideThePalette) {
    EXPECT_TRUE(Press(*mainForm, mainForm->Control(ControlId::PalletTab), 'P', false, true));
    EXPECT_FALSE(mainForm->IsChecked(CommandId::NPallet));
}

TEST_F(CommandMenu, ShortcutsDoNothingWhileATextFieldHasTheFocus) {
    mainForm->SetColor(0x003C2B1A);
    Press(*mainForm, mainForm->Control(ControlId::EditF), VK_DELETE);
    Press(*mainForm, mainForm->Control(ControlId::EditR), 'P', false, true);
    EXPECT_TRUE(mainForm->Color().HasColor);
    EXPECT_TRUE(mainForm->IsChecked(CommandId::NPallet));
}

TEST_F(CommandMenu, EscapeOnTheTemplateListClosesTheProgram) {
    EXPECT_TRUE(Press(*mainForm, mainForm->Control(ControlId::ComboF), VK_ESCAPE));
    Pump();
    EXPECT_EQ(mainForm->Handle(), nullptr);
}

TEST_F(CommandMenu, EscapeInATextFieldDoesNothing) {
    Press(*mainForm, mainForm->Control(ControlId::EditF), VK_ESCAPE);
    Pump();
    EXPECT_NE(mainForm->Handle(), nullptr);
}

}  // namespace
}  // namespace tintrel::testing_win
