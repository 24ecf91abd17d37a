#include "palette/pallet_settings_win.h"

#include <commctrl.h>

#include <array>
#include <string_view>
#include <utility>

#include "base/integer_parse.h"
#include "palette/pallet_captions.h"
#include "palette/pallet_page_names.h"
#include "ui/fonts_win.h"
#include "ui/gdi_handles_win.h"
#include "ui/hint_window_win.h"
#include "ui/message_box_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

constexpr SIZE kClientSize{203, 223};
constexpr UINT kCodePage = 932;

// Not IDOK: Enter, which the dialog manager turns into IDOK, must not confirm the dialog.
enum ControlIds : int { kMtabId = 10, kXcolId, kYcolId, kButton1Id };

constexpr std::string_view kCancelCaption = "\x83L\x83\x83\x83\x93\x83Z\x83\x8B";  // キャンセル

struct FormText {
    int Left;
    int Top;
    std::string_view Text;
};

constexpr std::array<FormText, 5> kFormTexts{{
    // タブの設定(改行で1タブ分、8行まで)
    {10, 6,
     "\x83^\x83u\x82\xCC\x90\xDD\x92\xE8(\x89\xFC\x8Ds\x82\xC5"
     "1\x83^\x83u\x95\xAA\x81"
     "A8\x8Ds\x82\xDC\x82\xC5)"},
    // 1ページのパレット数(1～16)
    {10, 148,
     "1\x83y\x81[\x83W\x82\xCC\x83p\x83\x8C\x83"
     "b\x83g\x90\x94(1\x81`16)"},
    {10, 168, "\x89\xA1"},  // 横
    {68, 168, "\x81~"},     // ×
    {86, 168,
     "\x8F"
     "c"},  // 縦
}};

// The text in code page 932, or nullopt when a character has no code there: the default character or a
// look-alike put in its place would not read back as what the user typed.
std::optional<std::string> StrictCp932(std::wstring_view text) {
    if (text.empty()) {
        return std::string();
    }
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int size =
        WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length, narrow.data(), size, nullptr, nullptr);
    return narrow;
}

std::int32_t ParsedField(HWND field, std::int32_t defaultValue) {
    const auto text = StrictCp932(WindowText(field));
    return text ? ParseInteger(*text, defaultValue) : defaultValue;
}

// Places in design units.
constexpr RECT kMtabBounds{8, 24, 193, 137};
constexpr RECT kXcolBounds{28, 164, 61, 184};
constexpr RECT kYcolBounds{104, 164, 137, 184};
constexpr RECT kOkBounds{23, 192, 98, 217};
constexpr RECT kCancelBounds{105, 192, 180, 217};

HWND CreateEdit(HWND parent, int id, DWORD style) {
    return CreateWindowChecked(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, 0, 0,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr);
}

HWND CreateButton(HWND parent, int id, const std::wstring& caption) {
    return CreateWindowChecked(0, L"BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0,
                               0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr);
}

constexpr int kBalloonWidth = 320;

}  // namespace

void TFPallet::Create() {
    CreateForm(L"TFPallet", kPalletSettingsCaption, kClientSize);
    // No word wrap, so that every line of the box is a line of the text.
    mtab_ = CreateEdit(hwnd_, kMtabId, ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN);
    xcol_ = CreateEdit(hwnd_, kXcolId, ES_AUTOHSCROLL);
    ycol_ = CreateEdit(hwnd_, kYcolId, ES_AUTOHSCROLL);
    okButton_ = CreateButton(hwnd_, kButton1Id, L"OK");
    cancelButton_ = CreateButton(hwnd_, IDCANCEL, WidenCp932(kCancelCaption));
    // A balloon placed by the program, beside whichever field holds the fault; the layout stays as it is.
    balloon_ = CreateWindowChecked(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_BALLOON | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, nullptr);
    TOOLINFOW tool = BalloonTool(hwnd_, nullptr);
    SendMessageW(balloon_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    LayOut(Dpi());
}

void TFPallet::LayOut(DpiScale dpi) {
    PlaceControl(mtab_, kMtabBounds, dpi);
    SetControlFont(mtab_, FixedFont(dpi));
    for (const auto& [control, bounds] : {std::pair{xcol_, kXcolBounds}, std::pair{ycol_, kYcolBounds},
                                          std::pair{okButton_, kOkBounds}, std::pair{cancelButton_, kCancelBounds}}) {
        PlaceControl(control, bounds, dpi);
        SetControlFont(control, FormFont(dpi));
    }
    SendMessageW(balloon_, TTM_SETMAXTIPWIDTH, 0, dpi(kBalloonWidth));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TFPallet::SetValues(std::vector<std::string> pageNames, std::int32_t columns, std::int32_t rows) {
    shownNames_ = std::move(pageNames);
    shownColumns_ = columns;
    shownRows_ = rows;
}

std::vector<std::string> TFPallet::PageNames() const {
    return SplitPageNames(NamesText().value_or(std::string()));
}

std::int32_t TFPallet::Columns() const {
    return ParsedField(xcol_, 1);
}

std::int32_t TFPallet::Rows() const {
    return ParsedField(ycol_, 1);
}

LRESULT TFPallet::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            if (code == EN_CHANGE && (id == kMtabId || id == kXcolId || id == kYcolId)) {
                RunGuarded([this] { DataChange(); });
                return 0;
            }
            if (code == BN_CLICKED && id == kButton1Id) {
                RunGuarded([this] { Button1Click(); });
                return 0;
            }
            if (code == BN_CLICKED && id == IDCANCEL) {
                RunGuarded([this] { Button2Click(); });
                return 0;
            }
            break;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            RunGuarded([this] { FormPaint(); });
            return 0;
        default:
            if (HandleClose(message) || HandleDpiChanged(message, wParam, lParam)) {
                return 0;
            }
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void TFPallet::FormShow() {
    SetWindowTextW(mtab_, WidenCp932(JoinPageNames(shownNames_)).c_str());
    SetWindowTextW(xcol_, WidenCp932(std::to_string(shownColumns_)).c_str());
    SetWindowTextW(ycol_, WidenCp932(std::to_string(shownRows_)).c_str());
    // A multi-line box reports no change for text set this way, and a box given the text it held may not
    // either: OK must match the values on screen all the same.
    DataChange();
}

void TFPallet::FormPaint() {
    const PaintScope paint(hwnd_);
    RECT client;
    GetClientRect(hwnd_, &client);
    // Drawn off-screen and shown in one step, so that a repaint does not flicker.
    const MemoryDC buffer(paint.Dc());
    const Bitmap bitmap(CreateCompatibleBitmap(paint.Dc(), client.right, client.bottom));
    const ScopedSelect selectBitmap(buffer.Get(), bitmap.Get());
    FillRect(buffer.Get(), &client, GetSysColorBrush(COLOR_BTNFACE));
    const ScopedSelect selectFont(buffer.Get(), FormFont(Dpi()));
    SetBkMode(buffer.Get(), TRANSPARENT);
    SetTextColor(buffer.Get(), GetSysColor(COLOR_WINDOWTEXT));
    for (const FormText& text : kFormTexts) {
        const std::wstring wide = WidenCp932(text.Text);
        const POINT at = Dpi()(POINT{text.Left, text.Top});
        TextOutW(buffer.Get(), at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
    }
    const RECT& area = paint.Area();
    BitBlt(paint.Dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, buffer.Get(), area.left,
           area.top, SRCCOPY);
}

void TFPallet::DataChange() {
    const auto problem = InputProblem();
    EnableWindow(okButton_, problem ? FALSE : TRUE);
    ShowProblem(problem);
}

void TFPallet::ShowProblem(const std::optional<SettingsProblem>& problem) {
    if (problem == shownProblem_ && (!problem || IsWindowVisible(balloon_))) {
        return;
    }
    shownProblem_ = problem;
    TOOLINFOW tool = BalloonTool(hwnd_, nullptr);
    if (!problem || !IsWindowVisible(hwnd_)) {
        SendMessageW(balloon_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    std::wstring text = WidenCp932(problem->Reason);
    tool.lpszText = text.data();
    SendMessageW(balloon_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    const HWND field = problem->Field == SettingsField::Names     ? mtab_
                       : problem->Field == SettingsField::Columns ? xcol_
                                                                  : ycol_;
    RECT bounds;
    GetWindowRect(field, &bounds);
    SendMessageW(balloon_, TTM_TRACKPOSITION, 0, MAKELPARAM((bounds.left + bounds.right) / 2, bounds.bottom));
    SendMessageW(balloon_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

std::optional<std::string> TFPallet::NamesText() const {
    const std::wstring text = WindowText(mtab_);
    // Untouched names keep their bytes: a name whose character code page 932 has under two codes would
    // otherwise come back from Unicode under the other one.
    std::string shown = JoinPageNames(shownNames_);
    if (text == WidenCp932(shown)) {
        return shown;
    }
    return StrictCp932(text);
}

bool TFPallet::InputValid() const {
    return !InputProblem();
}

std::optional<SettingsProblem> TFPallet::InputProblem() const {
    const auto names = NamesText();
    if (!names) {
        return SettingsProblem{SettingsField::Names, NotShiftJisReason()};
    }
    const auto columns = StrictCp932(WindowText(xcol_));
    if (!columns) {
        return SettingsProblem{SettingsField::Columns, NotShiftJisReason()};
    }
    const auto rows = StrictCp932(WindowText(ycol_));
    if (!rows) {
        return SettingsProblem{SettingsField::Rows, NotShiftJisReason()};
    }
    return PalletSettingsProblem(*columns, *rows, *names);
}

void TFPallet::Button1Click() {
    // A click sent to the disabled button still arrives: what it would confirm is checked again.
    if (InputValid()) {
        ShowProblem(std::nullopt);
        EndModal(kModalResultOk);
    }
}

void TFPallet::Button2Click() {
    ShowProblem(std::nullopt);
    EndModal(kModalResultCancel);
}

}  // namespace tintrel
