// Sets up the program for one of the README's pictures and prints the screen rectangle to take, as
// "left top width height", then keeps the windows up for a few seconds. The scene is the argument:
//   window    the main window with the colour #1A2B3C current (the default);
//   floating  the palette floating beside it, a page of colours and a cell's tool-tip;
//   format    the format editor holding templates with brace codes, beside the main window showing the
//             result of one of them.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/application_win.h"

namespace {

using tintrel::ApplicationForms;

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A page of 8 by 4 colours: hues along the rows, from light to dark down the columns.
std::string ColourPage() {
    std::string page = "[Tab1]\r\nName=\"Web\"\r\n";
    const int hues[8][3] = {{230, 57, 70}, {244, 162, 97}, {233, 196, 106}, {42, 157, 143},
                            {38, 70, 83},  {69, 123, 157}, {168, 218, 220}, {131, 56, 236}};
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 4; ++row) {
            const double shade = 1.0 - 0.22 * row;
            const int r = static_cast<int>(hues[column][0] * shade);
            const int g = static_cast<int>(hues[column][1] * shade);
            const int b = static_cast<int>(hues[column][2] * shade);
            page += "C_" + std::to_string(column) + "_" + std::to_string(row) + "=" +
                    std::to_string(r | g << 8 | b << 16) + "\r\n";
        }
    }
    return page;
}

RECT Union(const std::vector<HWND>& windows) {
    RECT all{};
    for (HWND window : windows) {
        RECT bounds;
        if (window != nullptr && GetWindowRect(window, &bounds)) {
            UnionRect(&all, &all, &bounds);
        }
    }
    return all;
}

void PrintRect(const RECT& bounds) {
    std::printf("%ld %ld %ld %ld\n", bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    std::fflush(stdout);
}

void DispatchFor(ApplicationForms& forms, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end && forms.DispatchPending()) {
        Sleep(20);
    }
}

HWND VisibleToolTip() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t name[64];
            if (IsWindowVisible(window) && GetClassNameW(window, name, 64) > 0 &&
                std::wstring_view(name) == TOOLTIPS_CLASSW) {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void ShowFloating(ApplicationForms& forms) {
    HWND main = forms.MainForm.Handle();
    HWND cells = forms.MainForm.Control(tintrel::ControlId::PaintPallet);
    RECT bounds;
    GetWindowRect(cells, &bounds);
    // The pointer over the third cell of the second row, where the tool-tip appears after a while.
    SetCursorPos(bounds.left + 40, bounds.top + 18);
    const ULONGLONG end = GetTickCount64() + 5000;
    while (VisibleToolTip() == nullptr && GetTickCount64() < end && forms.DispatchPending()) {
        Sleep(20);
    }
    PrintRect(Union({main, GetAncestor(cells, GA_ROOT), VisibleToolTip()}));
    DispatchFor(forms, 3000);
}

ApplicationForms* openForms = nullptr;

void ShowFormatEditor(ApplicationForms& forms) {
    openForms = &forms;
    // The editor runs modally: a timer inside its loop places it beside the main window, prints the
    // rectangle of both and closes it a few seconds later.
    SetTimer(nullptr, 0, 500, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        HWND main = openForms->MainForm.Handle();
        HWND editor = openForms->FormatEditor.Handle();
        RECT mainBounds;
        GetWindowRect(main, &mainBounds);
        SetWindowPos(editor, nullptr, mainBounds.right + 8, mainBounds.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        PrintRect(Union({main, editor}));
        SetTimer(nullptr, 0, 4000, [](HWND, UINT, UINT_PTR closer, DWORD) {
            KillTimer(nullptr, closer);
            PostMessageW(openForms->FormatEditor.Handle(), WM_CLOSE, 0, 0);
        });
    });
    forms.MainForm.ExecuteCommand(tintrel::CommandId::NFormat);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scene = argc > 1 ? argv[1] : "window";
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "tintrel-screenshot";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    if (scene == "floating") {
        WriteFile(directory / "Tintrel.ini", "[Window]\r\nLeft=120\r\nTop=80\r\n");
        WriteFile(directory / "Tintrel.plt",
                  "[Pallet]\r\nDock=1\r\nLeft=336\r\nTop=80\r\nRight=560\r\nBottom=200\r\n"
                  "xCount=8\r\nyCount=4\r\nzCount=2\r\n" +
                      ColourPage());
    } else if (scene == "format") {
        WriteFile(directory / "Tintrel.ini", "[Window]\r\nLeft=60\r\nTop=80\r\n[Color]\r\nSelectedFormat=1\r\n");
        WriteFile(directory / "Tintrel.fmt",
                  "#\\RR\\GG\\BB\r\n"
                  "oklch(\\{oklch.l} \\{oklch.c} \\{oklch.h})\r\n"
                  "hsl(\\{hsl.h} \\{hsl.s}% \\{hsl.l}%) \\{name}\r\n"
                  "lab(\\{lab.l} \\{lab.a} \\{lab.b})\r\n"
                  "\\{contrast.white}:1 on white, \\{contrast.black}:1 on black\r\n"
                  "color(xyz-d65 \\{xyz.x} \\{xyz.y} \\{xyz.z})\r\n");
    }
    {
        ApplicationForms forms(directory / "Tintrel.exe");
        forms.Create();
        forms.MainForm.Show();
        forms.MainForm.SetColor(0x003C2B1A);
        forms.MainForm.UpdateReadout();
        if (scene == "floating") {
            ShowFloating(forms);
        } else if (scene == "format") {
            ShowFormatEditor(forms);
        } else {
            PrintRect(Union({forms.MainForm.Handle()}));
            DispatchFor(forms, 4000);
        }
    }
    std::filesystem::remove_all(directory);
    return 0;
}
