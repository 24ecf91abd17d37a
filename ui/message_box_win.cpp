#include "ui/message_box_win.h"

#include <stdexcept>
#include <utility>

#include "base/application_title.h"
#include "persist/file_error.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

MessageBoxHandler& CurrentHandler() {
    static MessageBoxHandler handler = [](HWND owner, const std::wstring& text, const std::wstring& caption,
                                          UINT type) {
        return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    };
    return handler;
}

int ShowWideMessageBox(const std::wstring& text, UINT type) {
    return CurrentHandler()(GetActiveWindow(), text, WidenCp932(kApplicationTitle), type);
}

std::wstring MessageText(const std::exception& error) {
    if (const auto* fileError = dynamic_cast<const FileError*>(&error)) {
        // The path is spliced in as UTF-16 so that no character of it is lost in code page 932.
        const std::string& format = fileError->MessageFormat();
        const auto slot = format.find("%s");
        if (slot != std::string::npos) {
            return WidenCp932(std::string_view(format).substr(0, slot)) + fileError->Path().wstring() +
                   WidenCp932(std::string_view(format).substr(slot + 2));
        }
        return WidenCp932(format);
    }
    return WidenCp932(error.what());
}

}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
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
        // Out of memory while composing the text: the plainest box that can still be shown.
        MessageBoxW(GetActiveWindow(), L"Error", L"Tintrel", MB_OK | MB_ICONERROR);
    }
}

}  // namespace tintrel
