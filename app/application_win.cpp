#include "app/application_win.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>  // CoInitializeEx

#include <csignal>
#include <string>
#include <string_view>

#include "app/start_arguments.h"
#include "app/start_request_win.h"
#include "base/error.h"
#include "sampler/system_cursors_win.h"
#include "ui/message_box_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// 使えない引数です:
constexpr std::string_view kUnknownArgument = "\x8Eg\x82\xA6\x82\xC8\x82\xA2\x88\xF8\x90\x94\x82\xC5\x82\xB7: ";

// Whatever ends the program, the cursors a pick changed for the whole logon go back where it can act.
LONG WINAPI RestoreOnCrash(EXCEPTION_POINTERS*) {
    RestoreSystemCursors();
    return EXCEPTION_CONTINUE_SEARCH;
}

void RestoreOnAbort(int) {
    RestoreSystemCursors();
}

}  // namespace

FilePath ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

ApplicationForms::ApplicationForms(const FilePath& executablePath)
    : MainForm(executablePath, FormatEditor, PalletDialog) {}

void ApplicationForms::Create() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
    MainForm.Create();
    FormatEditor.Create();
    PalletDialog.Create();
}

bool ApplicationForms::DispatchPending() {
    MSG message;
    while (MainForm.Handle() != nullptr && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!MainForm.PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return MainForm.Handle() != nullptr;
}

int RunApplication(const FilePath& executablePath, std::span<const std::wstring> arguments) {
    const StartArguments start = ReadStartArguments(arguments);
    if (start.Unknown) {
        ShowErrorBox(Error(std::string(kUnknownArgument) + NarrowCp932(*start.Unknown)));
        return 2;
    }
    if (start.Pick && HandOverPick(executablePath, start.Frozen)) {
        return 0;
    }
    SetUnhandledExceptionFilter(&RestoreOnCrash);
    std::signal(SIGABRT, &RestoreOnAbort);
    RestoreCursorsOfEndedCopies();  // a copy killed during a pick could not put them back itself
    // The accessible objects that screen readers ask the windows for are handed over through COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const struct ComScope {
        bool initialized;
        ~ComScope() {
            if (initialized) {
                CoUninitialize();
            }
        }
    } comScope{SUCCEEDED(com)};
    ApplicationForms forms(executablePath);
    if (!RunGuarded([&] { forms.Create(); })) {
        return 1;
    }
    forms.MainForm.Show();
    if (start.Pick) {
        RunGuarded([&] { forms.MainForm.StartPickAnywhere(start.Frozen); });
    }

    // The loop ends when the main window has been destroyed, after a successful close: a normal end.
    while (forms.MainForm.Handle() != nullptr) {
        MSG message;
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(message.wParam);  // a quit request carries its own exit code
        }
        if (got == -1) {
            return 1;
        }
        if (!forms.MainForm.PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}

}  // namespace tintrel
