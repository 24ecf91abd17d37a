#include "color/format_editor_win.h"

#include <algorithm>  // std::min
#include <utility>    // std::move

#include "base/error.h"
#include "color/format_template.h"
#include "color/memo_lines_win.h"
#include "ui/fonts_win.h"
#include "ui/message_box_win.h"
#include "ui/screen_cursor_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

constexpr SIZE kClientSize{317, 268};
constexpr int kMemoId = 10;
constexpr UINT_PTR kFillTimer = 1;
// Milliseconds of filling the memo before the dialog shows, and at each tick while it runs.
constexpr ULONGLONG kFillBeforeShowing = 150;
constexpr ULONGLONG kFillPerTick = 40;

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

// Places in design units.
constexpr RECT kMemoBounds{0, 0, kClientSize.cx, 233};
constexpr RECT kOkBounds{76, 240, 151, 265};
constexpr RECT kCancelBounds{167, 240, 242, 265};

HWND CreateButton(HWND parent, int id, const std::wstring& caption) {
    return CreateWindowChecked(0, L"BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0,
                               0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr);
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
    memo_ =
        CreateWindowChecked(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
                            kClientSize.cx, kMemoBounds.bottom, hwnd_, reinterpret_cast<HMENU>(kMemoId), nullptr);
    SetControlFont(memo_, FixedFont(DpiScale()));
    SendMessageW(memo_, EM_SETLIMITTEXT, 0, 0);
    // The copy that splits the list into displayed lines stays at 96 DPI, so that the format list, and
    // with it the template a settings file selects by number, is the same at every scaling.
    layoutCopy_ = CreateLayoutCopy(memo_);
    okButton_ = CreateButton(hwnd_, IDOK, L"OK");
    cancelButton_ = CreateButton(hwnd_, IDCANCEL, WidenCp932(kCancelCaption));
    LayOut(Dpi());
    SetMemoText(kDefaultFormatListText);
}

void TFFormat::LayOut(DpiScale dpi) {
    PlaceControl(memo_, kMemoBounds, dpi);
    SetControlFont(memo_, FixedFont(dpi));
    for (const auto& [button, bounds] : {std::pair{okButton_, kOkBounds}, std::pair{cancelButton_, kCancelBounds}}) {
        PlaceControl(button, bounds, dpi);
        SetControlFont(button, FormFont(dpi));
    }
}

std::string TFFormat::MemoText() const {
    return memoSource_;
}

void TFFormat::SetMemoText(std::string_view text) {
    // A zero byte ends what the memo shows; the bytes after it stay in memoSource_, so that a list
    // saved unedited keeps them.
    std::wstring shown = ShownText(text);
    // Only the memo's limit is checked: filling the memo to find out more would lay the text out.
    if (shown.size() > static_cast<DWORD>(SendMessageW(memo_, EM_GETLIMITTEXT, 0, 0))) {
        throw Error(std::string(kMemoTooLarge));
    }
    memoSource_ = text;
    shownText_ = std::move(shown);
    formatLines_.reset();
}

std::vector<std::string> TFFormat::FormatList() const {
    return Lines();
}

std::string TFFormat::FormatLine(int index) const {
    const std::vector<std::string>& lines = Lines();
    return index >= 0 && static_cast<std::size_t>(index) < lines.size() ? lines[static_cast<std::size_t>(index)]
                                                                        : std::string();
}

const std::vector<std::string>& TFFormat::Lines() const {
    if (!formatLines_) {
        std::vector<std::wstring> shown = DisplayedLines(shownText_, layoutCopy_);
        if (!shown.empty() && shown.back().empty()) {
            shown.pop_back();  // a final line break adds no template
        }
        std::vector<std::string> lines;
        lines.reserve(shown.size());
        for (const std::wstring& line : shown) {
            lines.push_back(NarrowCp932(line));
        }
        formatLines_ = std::move(lines);
    }
    return *formatLines_;
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
        case WM_TIMER:
            if (wParam == kFillTimer && memoFill_ && !RunGuarded([this] { FillMemo(); })) {
                Cancel();
            }
            return 0;
        default:
            // The close box cancels like the Cancel button.
            if (HandleClose(message) || HandleDpiChanged(message, wParam, lParam)) {
                return 0;
            }
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void TFFormat::FormShow() {
    // The memo may still hold what an earlier run of the dialog left: only the difference goes in.
    memoFill_.emplace(memo_, shownText_);
    const ULONGLONG start = GetTickCount64();
    {
        const BusyCursorScope busy;
        while (GetTickCount64() - start < kFillBeforeShowing && memoFill_->InsertPiece()) {
        }
    }
    if (memoFill_->Finished()) {
        EndFill();
        return;
    }
    ShowFilling(true);
    SendMessageW(memo_, EM_SETSEL, 0, 0);
    SendMessageW(memo_, EM_SCROLLCARET, 0, 0);
    SetTimer(hwnd_, kFillTimer, USER_TIMER_MINIMUM, nullptr);
}

// Inserting moves the caret and the view to the insertion; both go back to where the user has them.
void TFFormat::FillMemo() {
    DWORD selectionStart = 0;
    DWORD selectionEnd = 0;
    SendMessageW(memo_, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), reinterpret_cast<LPARAM>(&selectionEnd));
    const auto firstVisible = SendMessageW(memo_, EM_GETFIRSTVISIBLELINE, 0, 0);
    SendMessageW(memo_, WM_SETREDRAW, FALSE, 0);
    const ULONGLONG start = GetTickCount64();
    while (GetTickCount64() - start < kFillPerTick && memoFill_->InsertPiece()) {
    }
    SendMessageW(memo_, EM_SETSEL, selectionStart, selectionEnd);
    SendMessageW(memo_, EM_LINESCROLL, 0, firstVisible - SendMessageW(memo_, EM_GETFIRSTVISIBLELINE, 0, 0));
    SendMessageW(memo_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(memo_, nullptr, TRUE);
    if (memoFill_->Finished()) {
        EndFill();
    }
}

void TFFormat::EndFill() {
    const bool whole =
        memoFill_->Finished() && static_cast<std::size_t>(GetWindowTextLengthW(memo_)) == shownText_.size();
    StopFill();
    // A memo that ran out of memory must not offer a cut list to OK.
    if (!whole) {
        throw Error(std::string(kMemoTooLarge));
    }
}

void TFFormat::StopFill() {
    KillTimer(hwnd_, kFillTimer);
    memoFill_.reset();
    ShowFilling(false);
}

void TFFormat::ShowFilling(bool filling) {
    SendMessageW(memo_, EM_SETREADONLY, filling, 0);
    EnableWindow(okButton_, !filling);
}

void TFFormat::Button1Click() {
    if (memoFill_) {
        return;  // the memo does not hold the whole list yet
    }
    std::wstring edited = WindowText(memo_);
    if (edited != shownText_) {
        memoSource_ = NarrowCp932(edited);
        shownText_ = std::move(edited);
        formatLines_.reset();
    }
    EndModal(kModalResultOk);
}

void TFFormat::Button2Click() {
    StopFill();
    EndModal(kModalResultCancel);
}

}  // namespace tintrel
