#include "color/format_editor_win.h"

#include <algorithm>  // std::min
#include <stdexcept>

#include "color/format_template.h"
#include "color/memo_lines_win.h"
#include "ui/fonts_win.h"
#include "ui/message_box_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

constexpr SIZE kClientSize{317, 268};
constexpr int kMemoId = 10;

// フォーマットエディタ
constexpr std::string_view kCaption =
    "\x83t\x83H\x81[\x83}\x83"
    "b\x83g\x83G\x83"
    "f\x83"
    "B\x83^";
// 文字列の大きさが メモ の制限を越えました
constexpr std::string_view kMemoTooLarge =
    "\x95\xB6\x8E\x9A\x97\xF1\x82\xCC\x91\xE5\x82\xAB\x82\xB3\x82\xAA \x83\x81\x83\x82 "
    "\x82\xCC\x90\xA7\x8C\xC0\x82\xF0\x89"
    "z\x82\xA6\x82\xDC\x82\xB5\x82\xBD";
constexpr std::string_view kCancelCaption = "\x83L\x83\x83\x83\x93\x83Z\x83\x8B";  // キャンセル

HWND CreateButton(HWND parent, int id, const std::wstring& caption, int x, int y) {
    const HWND button =
        CreateWindowChecked(0, L"BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x, y, 75,
                            25, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr);
    SetControlFont(button, FormFont());
    return button;
}

// What the memo shows of `text`: a window's text ends at its first zero character.
std::wstring ShownText(std::string_view text) {
    std::wstring wide = WidenCp932(text);
    wide.resize(std::min(wide.size(), wide.find(L'\0')));
    return wide;
}

}  // namespace

void TFFormat::Create() {
    CreateForm(L"TFFormat", kCaption, kClientSize);
    // Word wrap (no ES_AUTOHSCROLL) and no scroll bars: a long template shows as several lines.
    memo_ = CreateWindowChecked(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0,
                                0, kClientSize.cx, 233, hwnd_, reinterpret_cast<HMENU>(kMemoId), nullptr);
    SetControlFont(memo_, FixedFont());
    SendMessageW(memo_, EM_SETLIMITTEXT, 0, 0);
    layoutCopy_ = CreateLayoutCopy(memo_);
    okButton_ = CreateButton(hwnd_, IDOK, L"OK", 76, 240);
    cancelButton_ = CreateButton(hwnd_, IDCANCEL, WidenCp932(kCancelCaption), 167, 240);
    SetMemoText(kDefaultFormatListText);
}

std::string TFFormat::MemoText() const {
    const std::wstring shown = WindowText(memo_);
    return shown == ShownText(memoSource_) ? memoSource_ : NarrowCp932(shown);
}

void TFFormat::SetMemoText(std::string_view text) {
    // A zero byte ends what the memo shows; the bytes after it stay in memoSource_, so that a list
    // saved unedited keeps them.
    const std::wstring wide = ShownText(text);
    const std::wstring previous = WindowText(memo_);
    // A text the memo cut short (memory ran out) must not replace the list: saving it would lose the rest.
    if (!SetWindowTextW(memo_, wide.c_str()) || static_cast<std::size_t>(GetWindowTextLengthW(memo_)) != wide.size()) {
        SetWindowTextW(memo_, previous.c_str());
        throw std::runtime_error(std::string(kMemoTooLarge));
    }
    memoSource_ = text;
}

std::vector<std::string> TFFormat::FormatList() const {
    std::vector<std::wstring> shown = DisplayedLines(memo_, layoutCopy_);
    if (!shown.empty() && shown.back().empty()) {
        shown.pop_back();  // a final line break adds no template
    }
    std::vector<std::string> lines;
    lines.reserve(shown.size());
    for (const std::wstring& line : shown) {
        lines.push_back(NarrowCp932(line));
    }
    return lines;
}

std::string TFFormat::FormatLine(int index) const {
    return NarrowCp932(DisplayedLine(memo_, index));
}

LRESULT TFFormat::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    RunGuarded([this] { Button1Click(); });
                    return 0;
                case IDCANCEL:
                    RunGuarded([this] { Button2Click(); });
                    return 0;
                default:
                    break;
            }
            break;
        default:
            // The close box cancels like the Cancel button, so that the memo never differs from the list.
            if (HandleClose(message)) {
                return 0;
            }
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void TFFormat::FormShow() {
    formatBackup_ = WindowText(memo_);
}

void TFFormat::Button1Click() {
    EndModal(kModalResultOk);
}

void TFFormat::Button2Click() {
    ReplaceChangedText(memo_, formatBackup_);
    EndModal(kModalResultCancel);
}

}  // namespace tintrel
