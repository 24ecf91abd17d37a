#include "color/contrast_form_win.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>

#include "color/contrast_layout_win.h"
#include "color/contrast_text.h"
#include "ui/fonts_win.h"
#include "ui/gdi_handles_win.h"
#include "ui/hint_window_win.h"
#include "ui/message_box_win.h"
#include "ui/monitors_win.h"
#include "ui/screen_cursor_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

namespace layout = contrast_layout;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;

constexpr std::string_view kTitle = "\x83R\x83\x93\x83g\x83\x89\x83X\x83g";  // コントラスト
// 文字色(&T): and 背景色(&B):
constexpr std::string_view kTextLabel =
    "\x95\xB6\x8E\x9A\x90"
    "F(&T):";
constexpr std::string_view kBackLabel =
    "\x94w\x8Ci\x90"
    "F(&B):";
constexpr std::string_view kTextName =
    "\x95\xB6\x8E\x9A\x90"
    "F";  // 文字色
constexpr std::string_view kBackName =
    "\x94w\x8Ci\x90"
    "F";  // 背景色
// 現在の色(&C) and 現在の色(&U)
constexpr std::string_view kTextCurrent =
    "\x8C\xBB\x8D\xDD\x82\xCC\x90"
    "F(&C)";
constexpr std::string_view kBackCurrent =
    "\x8C\xBB\x8D\xDD\x82\xCC\x90"
    "F(&U)";
constexpr std::string_view kCurrentName =
    "\x8C\xBB\x8D\xDD\x82\xCC\x90"
    "F";                                                                                 // 現在の色
constexpr std::string_view kSwap = "\x93\xFC\x82\xEA\x91\xD6\x82\xA6(&S)";               // 入れ替え(&S)
constexpr std::string_view kRatioName = "\x83R\x83\x93\x83g\x83\x89\x83X\x83g\x94\xE4";  // コントラスト比
constexpr std::string_view kSwatchSuffix = "\x82\xCC\x8C\xA9\x96{";                      // の見本
constexpr std::string_view kPickSuffix = "\x82\xF0\x89\xE6\x96\xCA\x82\xA9\x82\xE7\x8E\xE6\x93\xBE";  // を画面から取得
constexpr std::string_view kPreviewName = "\x8C\xA9\x96{";                                            // 見本
constexpr std::string_view kNone = "\x82\xC8\x82\xB5";                                                // なし
// AA を満たす文字色(&A), AAA を満たす文字色(&L)
constexpr std::string_view kNearestLabels[] = {
    "AA \x82\xF0\x96\x9E\x82\xBD\x82\xB7\x95\xB6\x8E\x9A\x90"
    "F(&A)",
    "AAA \x82\xF0\x96\x9E\x82\xBD\x82\xB7\x95\xB6\x8E\x9A\x90"
    "F(&L)",
};
// 入力できない色です
constexpr std::string_view kRefusalTitle =
    "\x93\xFC\x97\xCD\x82\xC5\x82\xAB\x82\xC8\x82\xA2\x90"
    "F\x82\xC5\x82\xB7";

std::string WithoutMnemonic(std::string_view caption) {
    return std::string(caption.substr(0, caption.find("(&")));
}

// The cross hairs of a pick target, in the text colour of buttons.
void PaintTarget(HDC dc, const RECT& client) {
    const Brush brush(CreateSolidBrush(GetSysColor(COLOR_BTNTEXT)));
    const int middleX = (client.left + client.right) / 2;
    const int middleY = (client.top + client.bottom) / 2;
    const int reach = (client.right - client.left) / 3;
    const RECT across{middleX - reach, middleY, middleX + reach + 1, middleY + 1};
    const RECT down{middleX, middleY - reach, middleX + 1, middleY + reach + 1};
    FillRect(dc, &across, brush.Get());
    FillRect(dc, &down, brush.Get());
    const RECT ring{middleX - reach / 2, middleY - reach / 2, middleX + reach / 2 + 1, middleY + reach / 2 + 1};
    FrameRect(dc, &ring, brush.Get());
}

}  // namespace

TFContrast::TFContrast() = default;

TFContrast::~TFContrast() {
    if (hwnd_ != nullptr) {
        RevokeDropTarget(text_.Swatch.Handle());
        RevokeDropTarget(back_.Swatch.Handle());
    }
    DestroyOwnWindow();
}

void TFContrast::Create() {
    const LPCWSTR className =
        RegisterWindowClassOnce(L"TFContrast", &TFContrast::WindowProc, LoadCursorW(nullptr, IDC_ARROW),
                                reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    dpi_ = SystemDpi();
    const SIZE outer = OuterSizeForClient(dpi_(layout::kClient), kStyle, kExStyle, dpi_);
    CreateWindowChecked(kExStyle, className, WidenCp932(kTitle).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx,
                        outer.cy, nullptr, nullptr, this);
    MakePreviewFonts();
    CreateColorRow(Side::Text);
    CreateColorRow(Side::Back);
    swap_ = CreateControl(layout::kSwapId, L"BUTTON", std::string(kSwap), WS_TABSTOP | BS_PUSHBUTTON, layout::kSwap);
    CreateResults();
    CreateNearestRow(0);
    CreateNearestRow(1);
    CreatePreviews();
    CreateBalloon();
    RegisterDropTarget(text_.Swatch.Handle(), textDrop_);
    RegisterDropTarget(back_.Swatch.Handle(), backDrop_);
    // Made at the system's DPI; the monitor the window is on may have another.
    if (const DpiScale onMonitor = WindowDpi(hwnd_); onMonitor != dpi_) {
        RECT place;
        GetWindowRect(hwnd_, &place);
        WindowDpiChanged(DpiChange{onMonitor, place});
    }
    ShowPair();
}

void TFContrast::Remember(HWND control, const RECT& design, Panel* panel, bool hasFont) {
    controls_.push_back(Placed{control, design, panel, hasFont});
    if (panel != nullptr) {
        panel->SetDpi(dpi_);
    }
}

void TFContrast::MakePreviewFonts() {
    LOGFONTW form{};
    GetObjectW(FormFont(dpi_), sizeof(form), &form);
    const auto make = [&](int points, int weight) {
        LOGFONTW logFont{};
        logFont.lfHeight = -MulDiv(Scaled(points), 96, 72);
        logFont.lfWeight = weight;
        logFont.lfCharSet = SHIFTJIS_CHARSET;
        std::copy(std::begin(form.lfFaceName), std::end(form.lfFaceName), std::begin(logFont.lfFaceName));
        return Font(CreateFontIndirectW(&logFont));
    };
    previewFonts_[0] = make(layout::kNormalPoints, FW_NORMAL);
    previewFonts_[1] = make(layout::kLargePoints, FW_NORMAL);
    previewFonts_[2] = make(layout::kLargeBoldPoints, FW_BOLD);
    for (std::size_t index = 0; index < previewFonts_.size(); ++index) {
        previewHandles_[index] = previewFonts_[index].Get();
    }
}

void TFContrast::LayOut() {
    MakePreviewFonts();
    for (const Placed& placed : controls_) {
        PlaceControl(placed.Window, placed.Design, dpi_);
        if (placed.HasFont) {
            SetControlFont(placed.Window, FormFont(dpi_));
        }
        if (placed.PanelOf != nullptr) {
            placed.PanelOf->SetDpi(dpi_);
        }
    }
    preview_.SetDpi(dpi_, Scaled(layout::kPreviewMargin));
    for (ContrastPreview& preview : simulated_) {
        preview.SetDpi(dpi_, Scaled(layout::kPreviewMargin));
    }
    SendMessageW(balloon_.Get(), TTM_SETMAXTIPWIDTH, 0, Scaled(layout::kBalloonWidth));
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TFContrast::WindowDpiChanged(const DpiChange& change) {
    dpi_ = change.Dpi;
    PlaceForDpi(hwnd_, change.Suggested, layout::kClient, dpi_);
    LayOut();
}

HWND TFContrast::CreateControl(int id,
                               const wchar_t* className,
                               const std::string& textCp932,
                               DWORD style,
                               const RECT& design) {
    const RECT bounds = Scaled(design);
    const DWORD exStyle = std::wstring_view(className) == L"EDIT" ? WS_EX_CLIENTEDGE : 0;
    const HWND control =
        CreateWindowChecked(exStyle, className, WidenCp932(textCp932).c_str(), WS_CHILD | WS_VISIBLE | style,
                            bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, hwnd_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr);
    SetControlFont(control, FormFont(dpi_));
    Remember(control, design, nullptr, true);
    return control;
}

void TFContrast::CreateColorRow(Side side) {
    const int rows = side == Side::Text ? 0 : 1;
    const auto place = [rows](RECT design) { return layout::Below(design, rows, layout::kRowStep); };
    const std::string_view name = side == Side::Text ? kTextName : kBackName;
    const int offset = rows * layout::kBackOffset;
    ColorRow& row = RowOf(side);
    row.Label =
        CreateControl(layout::kTextLabelId + offset, L"STATIC",
                      std::string(side == Side::Text ? kTextLabel : kBackLabel), SS_LEFT, place(layout::kLabel));
    row.Swatch.Create(hwnd_, layout::kTextSwatchId + offset, Scaled(place(layout::kSwatch)),
                      Panel::Options{.LoweredBevel = true});
    Remember(row.Swatch.Handle(), place(layout::kSwatch), &row.Swatch, false);
    row.Edit =
        CreateControl(layout::kTextEditId + offset, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, place(layout::kEdit));
    SendMessageW(row.Edit, EM_LIMITTEXT, 32, 0);
    row.PickTarget.Create(hwnd_, layout::kTextPickId + offset, Scaled(place(layout::kPickTarget)),
                          Panel::Options{.LoweredBevel = true, .Cursor = LoadCursorW(nullptr, IDC_CROSS)});
    Remember(row.PickTarget.Handle(), place(layout::kPickTarget), &row.PickTarget, false);
    row.PickTarget.OnPaint = [](HDC dc, const RECT& client) { PaintTarget(dc, client); };
    row.PickTarget.OnMouse = [this, side](UINT message) {
        if (OnPickMouse) {
            OnPickMouse(side, message, RowOf(side).PickTarget.Handle());
        }
    };
    row.Current = CreateControl(layout::kTextCurrentId + offset, L"BUTTON",
                                std::string(side == Side::Text ? kTextCurrent : kBackCurrent),
                                WS_TABSTOP | BS_PUSHBUTTON, place(layout::kCurrent));

    const std::string prefix(name);
    row.SwatchName.Attach(row.Swatch.Handle(), WidenCp932(prefix + std::string(kSwatchSuffix)), ROLE_SYSTEM_GRAPHIC,
                          STATE_SYSTEM_READONLY);
    row.SwatchName.ValueOf = [this, side] { return WidenCp932(ColorEntryText(ColorOf(side))); };
    row.EditName.Attach(row.Edit, WidenCp932(prefix), ROLE_SYSTEM_TEXT, STATE_SYSTEM_FOCUSABLE);
    row.PickName.Attach(row.PickTarget.Handle(), WidenCp932(prefix + std::string(kPickSuffix)), ROLE_SYSTEM_PUSHBUTTON);
    row.CurrentName.Attach(row.Current, WidenCp932(prefix + " " + std::string(kCurrentName)), ROLE_SYSTEM_PUSHBUTTON,
                           STATE_SYSTEM_FOCUSABLE);
}

void TFContrast::CreateResults() {
    ratioLabel_ =
        CreateControl(layout::kRatioLabelId, L"STATIC", std::string(kRatioName), SS_LEFT, layout::kRatioLabel);
    ratio_ = CreateControl(layout::kRatioId, L"STATIC", "", SS_LEFT | SS_NOPREFIX, layout::kRatio);
    ratioName_.Attach(ratio_, WidenCp932(kRatioName), ROLE_SYSTEM_STATICTEXT, STATE_SYSTEM_READONLY);
    // The ratio with all five verdicts: what a screen reader reads when a colour changes.
    ratioName_.ValueOf = [this] {
        return WidenCp932(ContrastSummary(ContrastRatio(pair_.Text, pair_.Back), Separator()));
    };
    for (std::size_t index = 0; index < kContrastCriteria.size(); ++index) {
        const int row = static_cast<int>(index);
        const std::string caption = CriterionRowText(kContrastCriteria[index], Separator());
        criteria_[index] = CreateControl(layout::kFirstCriterionId + row, L"STATIC", caption, SS_LEFT | SS_NOPREFIX,
                                         layout::Below(layout::kCriterion, row, layout::kCriterionStep));
        verdicts_[index] = CreateControl(layout::kFirstVerdictId + row, L"STATIC", "", SS_LEFT | SS_NOPREFIX,
                                         layout::Below(layout::kVerdict, row, layout::kCriterionStep));
        verdictNames_[index].Attach(verdicts_[index], WidenCp932(caption), ROLE_SYSTEM_STATICTEXT,
                                    STATE_SYSTEM_READONLY);
    }
}

void TFContrast::CreateNearestRow(int index) {
    NearestRow& row = nearest_[static_cast<std::size_t>(index)];
    const auto place = [index](RECT design) { return layout::Below(design, index, layout::kNearestStep); };
    const int offset = index * layout::kNearestOffset;
    row.Label = CreateControl(layout::kAaLabelId + offset, L"STATIC", std::string(kNearestLabels[index]), SS_LEFT,
                              place(layout::kNearestLabel));
    row.Swatch.Create(hwnd_, layout::kAaSwatchId + offset, Scaled(place(layout::kNearestSwatch)),
                      Panel::Options{.LoweredBevel = true});
    Remember(row.Swatch.Handle(), place(layout::kNearestSwatch), &row.Swatch, false);
    row.Button = CreateControl(layout::kAaNearestId + offset, L"BUTTON", std::string(kNone), WS_TABSTOP | BS_PUSHBUTTON,
                               place(layout::kNearestButton));
    row.ButtonName.Attach(row.Button, WidenCp932(WithoutMnemonic(kNearestLabels[index])), ROLE_SYSTEM_PUSHBUTTON,
                          STATE_SYSTEM_FOCUSABLE);
    const HWND button = row.Button;
    row.ButtonName.ValueOf = [button] { return WindowText(button); };
}

void TFContrast::CreatePreviews() {
    const int margin = Scaled(layout::kPreviewMargin);
    preview_.Create(hwnd_, layout::kPreviewId, Scaled(layout::kPreview), WidenCp932(kPreviewName), previewHandles_,
                    margin);
    Remember(preview_.Handle(), layout::kPreview, nullptr, false);
    for (std::size_t index = 0; index < simulated_.size(); ++index) {
        const int column = static_cast<int>(index % 2);
        const int row = static_cast<int>(index / 2);
        const auto place = [&](RECT design) {
            return layout::Below(layout::Beside(design, column, layout::kSimulatedColumnStep), row,
                                 layout::kSimulatedRowStep);
        };
        simulatedLabels_[index] = CreateControl(layout::kFirstSimulatedLabelId + static_cast<int>(index), L"STATIC", "",
                                                SS_LEFT | SS_NOPREFIX, place(layout::kSimulatedLabel));
        const std::string name(ColorVisionName(layout::kSimulations[index]));
        simulated_[index].Create(hwnd_, layout::kFirstSimulatedPreviewId + static_cast<int>(index),
                                 Scaled(place(layout::kSimulatedPreview)), WidenCp932(name + std::string(kPreviewName)),
                                 previewHandles_, margin);
        Remember(simulated_[index].Handle(), place(layout::kSimulatedPreview), nullptr, false);
    }
}

void TFContrast::CreateBalloon() {
    balloon_.Reset(CreateWindowChecked(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_BALLOON | TTS_NOPREFIX,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                       nullptr));
    TOOLINFOW tool = BalloonTool(hwnd_, nullptr);
    SendMessageW(balloon_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(balloon_.Get(), TTM_SETMAXTIPWIDTH, 0, Scaled(layout::kBalloonWidth));
    SendMessageW(balloon_.Get(), TTM_SETTITLEW, TTI_WARNING,
                 reinterpret_cast<LPARAM>(WidenCp932(kRefusalTitle).c_str()));
}

// ---- Showing

void TFContrast::ShowForm(bool stayOnTop, HWND anchor) {
    if (!placed_) {
        RECT outer;
        GetWindowRect(hwnd_, &outer);
        const RECT beside = PlaceBesideWindow(anchor, outer.right - outer.left, outer.bottom - outer.top);
        SetWindowPos(hwnd_, nullptr, beside.left, beside.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        placed_ = true;
    }
    SetWindowPos(hwnd_, stayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    if (GetFocus() == nullptr || GetAncestor(GetFocus(), GA_ROOT) != hwnd_) {
        SetFocus(text_.Edit);
    }
}

void TFContrast::HideForm() {
    HideRefusal();
    ShowWindow(hwnd_, SW_HIDE);
}

std::optional<POINT> TFContrast::Place() const {
    if (!placed_) {
        return std::nullopt;
    }
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    return POINT{outer.left, outer.top};
}

void TFContrast::SetPlace(POINT topLeft) {
    MoveOntoMonitor(hwnd_, topLeft);
    placed_ = true;
}

std::string TFContrast::Separator() const {
    return DecimalSeparator ? DecimalSeparator() : std::string(".");
}

void TFContrast::ApplySettings(const Settings& settings) {
    SetPair(ContrastPair{RgbOf(settings.ContrastText), RgbOf(settings.ContrastBack)});
    if (settings.ContrastLeft && settings.ContrastTop) {
        SetPlace(POINT{*settings.ContrastLeft, *settings.ContrastTop});
    }
}

void TFContrast::StoreSettings(Settings& settings) const {
    settings.ContrastText = static_cast<std::int32_t>(ColorRefOf(pair_.Text));
    settings.ContrastBack = static_cast<std::int32_t>(ColorRefOf(pair_.Back));
    if (const auto place = Place()) {
        settings.ContrastLeft = place->x;
        settings.ContrastTop = place->y;
    }
    settings.ContrastOpen = IsOpen();
}

}  // namespace tintrel
