#include "ui/message_box_win.h"

#include <algorithm>  // std::any_of
#include <new>        // std::bad_alloc
#include <utility>

#include "base/application_title.h"
#include "base/error.h"
#include "persist/file_error.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// 予期しないエラーが発生しました
constexpr const char* kUnexpectedError =
    "\x97\x5C\x8A\xFA\x82\xB5\x82\xC8\x82\xA2\x83G\x83\x89\x81["
    "\x82\xAA\x94\xAD\x90\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD";
// メモリが足りません
constexpr const char* kOutOfMemory = "\x83\x81\x83\x82\x83\x8A\x82\xAA\x91\xAB\x82\xE8\x82\xDC\x82\xB9\x82\xF1";

// The plainest box that can still be shown when even composing a text fails: its text
// ("エラーが発生しました.") is in UTF-16 already.
void ShowLastResortBox() noexcept {
    MessageBoxW(GetActiveWindow(), L"\x30A8\x30E9\x30FC\x304C\x767A\x751F\x3057\x307E\x3057\x305F.", L"Tintrel",
                MB_OK | MB_ICONERROR);
}

bool HoldsJapanese(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; });
}

MessageBoxHandler& CurrentHandler() {
    static MessageBoxHandler handler = [](HWND owner, const std::wstring& text, const std::wstring& caption,
                                          UINT type) {
        return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    };
    return handler;
}

std::wstring MessageText(const std::exception& error) {
    if (const auto* fileError = dynamic_cast<const FileError*>(&error)) {
        // The path is spliced in as UTF-16 so that no character of it is lost in code page 932.
        const std::string& format = fileError->MessageFormat();
        const auto slot = format.find("%s");
        if (slot != std::string::npos) {
            return WidenCp932(std::string_view(format).substr(0, slot)) + fileError->Path() +
                   WidenCp932(std::string_view(format).substr(slot + 2));
        }
        return WidenCp932(format);
    }
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        return WidenCp932(kOutOfMemory);
    }
    return WidenCp932(HoldsJapanese(error.what()) ? error.what() : kUnexpectedError);
}

}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

int ShowWideMessageBox(const std::wstring& text, UINT type) {
    return CurrentHandler()(GetActiveWindow(), text, WidenCp932(kApplicationTitle), type);
}

int ShowMessageBox(std::string_view textCp932, UINT type) {
    return ShowWideMessageBox(WidenCp932(textCp932), type);
}

std::wstring ErrorBoxText(const std::exception& error) {
    std::wstring text = MessageText(error);
    if (!text.empty() && text.back() > L'.') {
        text += L'.';
    }
    return text;
}

void ShowErrorBox(const std::exception& error) noexcept {
    try {
        ShowWideMessageBox(ErrorBoxText(error), MB_OK | MB_ICONERROR);
    } catch (...) {
        ShowLastResortBox();  // out of memory while composing the text
    }
}

void ShowUnexpectedErrorBox() noexcept {
    try {
        ShowErrorBox(Error(kUnexpectedError));
    } catch (...) {
        ShowLastResortBox();
    }
}

}  // namespace tintrel
