#pragma once

#include <windows.h>

#include <oleacc.h>

#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace tintrel::testing_win {

// A running copy of Tintrel.exe and its main window.
class RunningProgram {
public:
    // With `showsWindow` false it does not wait for a main window: a copy that hands its request to the
    // one running, or refuses its arguments, shows none.
    explicit RunningProgram(const std::filesystem::path& executable,
                            const std::wstring& arguments = L"",
                            bool showsWindow = true) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + executable.wstring() + L"\" " + arguments;
        if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_)) {
            ADD_FAILURE() << "cannot start " << executable << ", error " << GetLastError();
            return;
        }
        if (!showsWindow) {
            return;
        }
        // A start takes a few seconds under Wine, and several times that on a busy machine.
        WaitForInputIdle(process_.hProcess, 30000);
        for (const ULONGLONG end = GetTickCount64() + 30000; mainWindow_ == nullptr && GetTickCount64() < end;) {
            EnumWindows(&RunningProgram::FindMainWindow, reinterpret_cast<LPARAM>(this));
            if (mainWindow_ == nullptr || !IsWindowVisible(mainWindow_)) {
                mainWindow_ = nullptr;
                Sleep(50);
            }
        }
        EXPECT_NE(mainWindow_, nullptr) << "the main window did not show";
    }
    ~RunningProgram() {
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 1);
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND MainWindow() const { return mainWindow_; }
    // The program's visible top-level window of `className`, nullptr when it shows none.
    HWND TopWindow(const wchar_t* className) const;
    // The main window's outer top-left corner, as "left,top".
    std::string Position() const {
        RECT window;
        GetWindowRect(mainWindow_, &window);
        return std::to_string(window.left) + "," + std::to_string(window.top);
    }
    HWND Child(const wchar_t* className, int index = 0) const {
        HWND child = nullptr;
        for (int skipped = 0; skipped <= index; ++skipped) {
            child = FindWindowExW(mainWindow_, child, className, nullptr);
        }
        return child;
    }
    // Closes the window as the close box does and waits for the program to end.
    bool Close() {
        PostMessageW(mainWindow_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return WaitForSingleObject(process_.hProcess, 30000) == WAIT_OBJECT_0;
    }
    // Ends the program as the task manager does and waits until it has gone.
    void Kill() {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 30000);
    }
    // Waits for the program to end by itself; false after 30 s.
    bool Ended() const { return WaitForSingleObject(process_.hProcess, 30000) == WAIT_OBJECT_0; }
    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    static BOOL CALLBACK FindMainWindow(HWND window, LPARAM self);

    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

// Polls what another process shows until it holds, for up to `timeout` ms; the program answers in its own time.
bool Eventually(const std::function<bool()>& holds, ULONGLONG timeout = 10000);

// What a screen reader learns of a window's client object, or of one of its parts.
struct Described {
    std::wstring Name;
    long Role = 0;
    std::wstring Value;
    long Parts = -1;
    RECT Location{};
    long State = 0;
    std::wstring DefaultAction;
};

// Asks the window's client object (of this or another process) as a screen reader does.
Described Describe(HWND window, long part = CHILDID_SELF);

// What a screen reader's request to act on a part of a window answers: accDoDefaultAction without
// flags, accSelect with them.
HRESULT ActOn(HWND window, long part, long selectFlags = 0);

}  // namespace tintrel::testing_win
