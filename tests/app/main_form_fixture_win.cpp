#include "tests/app/main_form_fixture_win.h"

#include <atomic>
#include <cstdlib>  // std::getenv
#include <utility>

namespace tintrel::testing_win {

namespace {

std::function<void()>& PendingAction() {
    static std::function<void()> action;
    return action;
}

void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    auto action = std::exchange(PendingAction(), nullptr);
    if (action) {
        action();
    }
}

// The action waiting for a menu, and until when it waits.
struct MenuWait {
    std::function<void()> Action;
    ULONGLONG Deadline = 0;
};

MenuWait& WaitingForMenu() {
    static MenuWait waiting;
    return waiting;
}

bool MenuShown() {
    const HWND menuWindow = FindWindowW(L"#32768", nullptr);
    return menuWindow != nullptr && IsWindowVisible(menuWindow);
}

void CALLBACK RunWhenMenuShows(HWND, UINT, UINT_PTR timer, DWORD) {
    MenuWait& waiting = WaitingForMenu();
    const bool late = GetTickCount64() >= waiting.Deadline;
    if (!MenuShown() && !late) {
        return;
    }
    KillTimer(nullptr, timer);
    auto action = std::exchange(waiting.Action, nullptr);
    if (action && !late) {
        action();
    }
}

}  // namespace

void MainFormTest::SetUp() {
    static std::atomic<int> counter{0};
    directory = std::filesystem::temp_directory_path() /
                ("tintrel-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(directory);
    previousHandler_ =
        SetMessageBoxHandler([this](HWND, const std::wstring& text, const std::wstring& caption, UINT type) {
            boxes.push_back(ShownBox{text, caption, type});
            return boxAnswer;
        });
    StartProgram();
}

void MainFormTest::StartProgram() {
    formatEditor = std::make_unique<TFFormat>();
    palletDialog = std::make_unique<TFPallet>();
    mainForm = std::make_unique<TFMain>(directory / "Tintrel.exe", *formatEditor, *palletDialog);
    mainForm->Create();
    formatEditor->Create();
    palletDialog->Create();
    mainForm->Show();
    Pump();
}

void MainFormTest::RestartProgram() {
    mainForm.reset();
    formatEditor.reset();
    palletDialog.reset();
    Pump();
    StartProgram();
}

void MainFormTest::TearDown() {
    mainForm.reset();
    formatEditor.reset();
    palletDialog.reset();
    Pump();
    SetMessageBoxHandler(std::move(previousHandler_));
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
}

void MainFormTest::Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (mainForm == nullptr || mainForm->Handle() == nullptr || !mainForm->PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

bool MainFormTest::CloseProgram() {
    SendMessageW(mainForm->Handle(), WM_CLOSE, 0, 0);
    Pump();
    return mainForm->Handle() == nullptr;
}

bool MainFormTest::PumpUntil(const std::function<bool()>& done, DWORD timeout) {
    const ULONGLONG deadline = GetTickCount64() + timeout;
    for (;;) {
        Pump();
        if (done()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(5);
    }
}

std::filesystem::path MainFormTest::SettingsFile() const {
    return directory / "Tintrel.ini";
}

std::filesystem::path MainFormTest::FormatListFile() const {
    return directory / "Tintrel.fmt";
}

RECT BoundsInParent(HWND control) {
    RECT bounds;
    GetWindowRect(control, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

void MainFormTest::ChooseTemplate(int index) {
    SendMessageW(mainForm->Control(ControlId::ComboF), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(mainForm->Handle(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(mainForm->Control(ControlId::ComboF)), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(mainForm->Control(ControlId::ComboF)));
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) {
        return L"<clipboard busy>";
    }
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

DpiScale RequestedDpi() {
    const char* dpi = std::getenv("TINTREL_TEST_DPI");
    return DpiScale(dpi == nullptr ? kDesignDpi : std::atoi(dpi));
}

COLORREF PixelOf(HWND window, int x, int y) {
    UpdateWindow(window);
    const HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

POINT CenterOf(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

HMENU TakeShownMenu() {
    const HWND menuWindow = FindWindowW(L"#32768", nullptr);
    HMENU shown = nullptr;
    if (menuWindow != nullptr && IsWindowVisible(menuWindow)) {
        shown = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    }
    EndMenu();
    return shown;
}

HMENU MenuOnRightClick(HWND control) {
    const POINT center = CenterOf(control);
    SendMouseAt(center);
    SendMouseAt(center, MOUSEEVENTF_RIGHTDOWN);
    SendMouseAt(center, MOUSEEVENTF_RIGHTUP);

    // The menu runs its own message loop: a timer, which that loop also serves, looks for it until it
    // shows, and closes it.
    static HMENU shown;
    shown = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
        if (shown == nullptr && MenuShown()) {
            shown = TakeShownMenu();
        }
    });
    const ULONGLONG deadline = GetTickCount64() + 10000;
    MSG message;
    while (shown == nullptr && GetTickCount64() < deadline) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    KillTimer(nullptr, timer);
    return shown;
}

void CallSoon(std::function<void()> action, UINT delay) {
    PendingAction() = std::move(action);
    SetTimer(nullptr, 0, delay, &RunPendingAction);
}

void CallWhenMenuShows(std::function<void()> action) {
    WaitingForMenu() = MenuWait{std::move(action), GetTickCount64() + 10000};
    SetTimer(nullptr, 0, 20, &RunWhenMenuShows);
}

}  // namespace tintrel::testing_win
