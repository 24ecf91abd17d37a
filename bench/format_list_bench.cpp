// Times what the program does with a long format list: handing it to the format editor, working out
// its displayed lines for the template list, filling the list, reading the selected line for the
// readout, and opening the editor (which fills its memo) and a one-line edit. No step after the
// load may freeze the window for more than a moment.
#include <windows.h>
#include <windowsx.h>  // ComboBox_AddString

#include <algorithm>  // std::max
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_clock_win.h"
#include "color/format_editor_win.h"
#include "color/format_template.h"
#include "ui/window_text_win.h"

namespace {

using tintrel::bench::Seconds;

HWND memo = nullptr;
HWND editor = nullptr;

HWND okButton = nullptr;
bool editInEditor = false;
double lastAnswer = 0;
double longestSilence = 0;
double filled = 0;
double edited = 0;

// Runs inside the editor's modal loop at each tick of a timer, whose messages come only when the dialog
// has nothing else to do: notes the longest time the dialog did not answer. Once the memo holds the whole
// list (OK is enabled) it types into a line in the middle, if asked, and cancels.
void CALLBACK WatchEditor(HWND, UINT, UINT_PTR timer, DWORD) {
    const double now = Seconds();
    longestSilence = std::max(longestSilence, now - lastAnswer);
    lastAnswer = now;
    if (!IsWindowEnabled(okButton)) {
        return;
    }
    KillTimer(nullptr, timer);
    filled = now;
    if (editInEditor) {
        const auto middle = SendMessageW(memo, EM_LINEINDEX, SendMessageW(memo, EM_GETLINECOUNT, 0, 0) / 2, 0);
        SendMessageW(memo, EM_SETSEL, static_cast<WPARAM>(middle), middle);
        SendMessageW(memo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"edited "));
    }
    edited = Seconds();
    PostMessageW(editor, WM_COMMAND, IDCANCEL, 0);
}

void FillList(HWND list, const std::vector<std::string>& labels, bool prepared) {
    if (prepared) {
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    }
    ComboBox_ResetContent(list);
    if (prepared) {
        std::size_t bytes = 0;
        for (const std::string& label : labels) {
            bytes += (label.size() + 1) * sizeof(wchar_t);
        }
        SendMessageW(list, CB_INITSTORAGE, labels.size(), bytes);
    }
    for (const std::string& label : labels) {
        ComboBox_AddString(list, tintrel::WidenCp932(label).c_str());
    }
    if (prepared) {
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
}

// `edit` false leaves out the edit, for a list whose one paragraph some systems lay out again
// from the edit to its end, in time that grows with the square of its length.
void Measure(const char* name, const std::string& listText, bool edit = true) {
    tintrel::TFFormat formatEditor;
    formatEditor.Create();
    memo = formatEditor.MFormat();
    editor = formatEditor.Handle();
    okButton = formatEditor.Button1();
    editInEditor = edit;
    const HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    const HWND list = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0, 185, 212,
                                      owner, nullptr, nullptr, nullptr);

    double start = Seconds();
    formatEditor.SetMemoText(listText);
    const double load = Seconds() - start;
    start = Seconds();
    const std::vector<std::string> lines = formatEditor.FormatList();
    const double read = Seconds() - start;
    start = Seconds();
    const std::vector<std::string> labels = tintrel::FormatLabels(lines);
    const double label = Seconds() - start;
    start = Seconds();
    FillList(list, labels, false);
    const double fill = Seconds() - start;
    start = Seconds();
    FillList(list, labels, true);
    const double preparedFill = Seconds() - start;
    start = Seconds();
    const std::string last = formatEditor.FormatLine(static_cast<int>(lines.size()) - 1);
    const double lastLine = Seconds() - start;
    start = Seconds();
    lastAnswer = start;
    longestSilence = 0;
    SetTimer(nullptr, 0, 1, WatchEditor);
    formatEditor.ShowModal(owner);

    std::printf("%s: %zu bytes, %zu lines displayed\n", name, listText.size(), lines.size());
    std::printf("  hand the list to the editor                       %8.3f s\n", load);
    std::printf("  work out the displayed lines                      %8.3f s\n", read);
    std::printf("  make their labels                                 %8.3f s\n", label);
    std::printf("  fill the template list                            %8.3f s\n", fill);
    std::printf("  fill it with storage reserved and drawing held    %8.3f s\n", preparedFill);
    std::printf("  read the last line                                %8.3f s (%zu bytes)\n", lastLine, last.size());
    std::printf("  open the editor until its memo holds the list     %8.3f s (the longest it did not answer: %.3f s)\n",
                filled - start, longestSilence);
    if (edit) {
        std::printf("  type into a line in the middle                    %8.3f s\n", edited - filled);
    }
    std::fflush(stdout);
    DestroyWindow(owner);
}

std::string Repeated(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

std::string Lines(const std::string& line, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += line + std::to_string(i) + "\r\n";
    }
    return text;
}

}  // namespace

int main() {
    Measure("50,000 templates", Lines("color:#\\RR\\GG\\BB; ", 50000));
    Measure("one template of 1,000,000 bytes", Repeated("\\W", 500000), false);
    Measure("5,000 templates that wrap",
            Lines("color:#\\RR\\GG\\BB; background-color:#\\RR\\GG\\BB; border-color:#\\RR\\GG\\BB; ", 5000));
    return 0;
}
