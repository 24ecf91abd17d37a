#include "ui/clipboard_win.h"

#include <cstring>  // std::memcpy

#include "base/error.h"

namespace tintrel {

namespace {

// クリップボードを開けません
constexpr const char* kCannotOpenClipboard =
    "\x83N\x83\x8A\x83"
    "b\x83v\x83{\x81[\x83h\x82\xF0\x8AJ\x82\xAF\x82\xDC\x82\xB9\x82\xF1";

// クリップボードにデータを設定できません
constexpr const char* kCannotSetClipboardData =
    "\x83N\x83\x8A\x83"
    "b\x83v\x83{\x81[\x83h\x82\xC9\x83"
    "f\x81[\x83^\x82\xF0\x90\xDD\x92\xE8\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";

// Another program may hold the clipboard for a moment: try a few times before giving up.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMilliseconds = 10;

class ClipboardLock {
public:
    explicit ClipboardLock(HWND owner) {
        for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_) {
                Sleep(kOpenRetryMilliseconds);
            }
        }
        if (!open_) {
            throw Error(kCannotOpenClipboard);
        }
    }
    ~ClipboardLock() { CloseClipboard(); }
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;

private:
    bool open_ = false;
};

class GlobalMemory {
public:
    explicit GlobalMemory(std::size_t bytes) : handle_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (handle_ == nullptr) {
            throw std::bad_alloc();
        }
    }
    ~GlobalMemory() {
        if (handle_ != nullptr) {
            GlobalFree(handle_);
        }
    }
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;

    HGLOBAL Get() const { return handle_; }
    // After SetClipboardData succeeds the system owns the memory.
    void Release() { handle_ = nullptr; }

private:
    HGLOBAL handle_;
};

}  // namespace

void PutTextOnClipboard(HWND owner, std::wstring_view text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(bytes);
    auto* target = static_cast<wchar_t*>(GlobalLock(memory.Get()));
    if (target == nullptr) {
        throw std::bad_alloc();
    }
    std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
    target[text.size()] = L'\0';
    GlobalUnlock(memory.Get());

    ClipboardLock lock(owner);
    if (!EmptyClipboard() || SetClipboardData(CF_UNICODETEXT, memory.Get()) == nullptr) {
        throw Error(kCannotSetClipboardData);
    }
    memory.Release();
}

}  // namespace tintrel
