#include "app/start_request_win.h"

#include <cwctype>
#include <string>

namespace tintrel {

namespace {

constexpr ULONG_PTR kPickRequest = 0x5450434B;
constexpr DWORD kAnswerMilliseconds = 5000;

std::wstring FolderOf(std::wstring path) {
    path.resize(path.find_last_of(L"\\/") == std::wstring::npos ? 0 : path.find_last_of(L"\\/"));
    for (wchar_t& letter : path) {
        letter = static_cast<wchar_t>(std::towlower(letter));
    }
    return path;
}

std::wstring ImageOf(DWORD process) {
    const HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (handle == nullptr) {
        return {};
    }
    std::wstring path(MAX_PATH * 4, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    const bool read = QueryFullProcessImageNameW(handle, 0, path.data(), &length) != FALSE;
    CloseHandle(handle);
    path.resize(read ? length : 0);
    return path;
}

}  // namespace

bool HandOverPick(const FilePath& executablePath, bool frozen) {
    const std::wstring folder = FolderOf(executablePath);
    for (HWND window = FindWindowExW(nullptr, nullptr, L"TFMain", nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, L"TFMain", nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() || FolderOf(ImageOf(process)) != folder) {
            continue;
        }
        BYTE frozenByte = frozen ? 1 : 0;
        COPYDATASTRUCT data{kPickRequest, sizeof(frozenByte), &frozenByte};
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                                kAnswerMilliseconds, &answer) != 0 &&
            answer != 0) {
            return true;
        }
    }
    return false;
}

std::optional<bool> PickRequested(const COPYDATASTRUCT& data) {
    if (data.dwData != kPickRequest || data.cbData != 1 || data.lpData == nullptr) {
        return std::nullopt;
    }
    return *static_cast<const BYTE*>(data.lpData) != 0;
}

}  // namespace tintrel
