#include "ui/window_text_win.h"

#include <windows.h>

#include <climits>  // INT_MAX

#include "base/error.h"

namespace tintrel {

namespace {

constexpr UINT kCodePage = 932;

// 文字列が長すぎます
constexpr const char* kTextTooLong = "\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x92\xB7\x82\xB7\x82\xAC\x82\xDC\x82\xB7";

int CheckedLength(std::size_t size) {
    if (size > INT_MAX) {
        throw Error(kTextTooLong);
    }
    return static_cast<int>(size);
}

}  // namespace

std::wstring WidenCp932(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = CheckedLength(text.size());
    const int wideLength = MultiByteToWideChar(kCodePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

std::string NarrowCp932(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = CheckedLength(text.size());
    const int narrowLength = WideCharToMultiByte(kCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
    WideCharToMultiByte(kCodePage, 0, text.data(), length, narrow.data(), narrowLength, nullptr, nullptr);
    return narrow;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace tintrel
