#include "persist/text_codec.h"

#include <windows.h>

#include <limits>

#include "base/error.h"

namespace tintrel {
namespace {

constexpr UINT kCodePage = 932;

int CheckedLength(std::size_t length) {
    if (length > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw Error("text too long to convert");
    }
    return static_cast<int>(length);
}

}  // namespace

std::u16string Cp932ToUtf16(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = CheckedLength(text.size());
    const int wideLength = MultiByteToWideChar(kCodePage, 0, text.data(), length, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(wideLength), u'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), length, reinterpret_cast<wchar_t*>(wide.data()), wideLength);
    return wide;
}

std::string Utf16ToCp932(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = CheckedLength(text.size());
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int narrowLength = WideCharToMultiByte(kCodePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
    WideCharToMultiByte(kCodePage, 0, wide, length, narrow.data(), narrowLength, nullptr, nullptr);
    return narrow;
}

}  // namespace tintrel
