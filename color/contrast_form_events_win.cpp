// The contrast window's handlers: the colours typed, taken, swapped and dropped, and what they show.
#include "color/contrast_form_win.h"

#include <commctrl.h>

#include "color/contrast_layout_win.h"
#include "color/contrast_text.h"
#include "ui/message_box_win.h"
#include "ui/screen_cursor_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

namespace layout = contrast_layout;

}  // namespace

bool TFContrast::SwatchDrop::DragOver(POINT) {
    return form_.CurrentColor && form_.CurrentColor().has_value();
}

void TFContrast::SwatchDrop::DragDrop(POINT) {
    if (const auto color = form_.CurrentColor ? form_.CurrentColor() : std::nullopt) {
        form_.SetSideColor(side_, *color);
    }
}

bool TFContrast::PreTranslateMessage(MSG& message) {
    if (hwnd_ == nullptr || message.hwnd == nullptr || GetAncestor(message.hwnd, GA_ROOT) != hwnd_) {
        return false;
    }
    return IsDialogMessageW(hwnd_, &message) != FALSE;
}

void TFContrast::SetPair(const ContrastPair& pair) {
    pair_ = pair;
    ShowPair();
}

void TFContrast::SetSideColor(Side side, Rgb8 color) {
    ColorOf(side) = color;
    PairChanged();
}

void TFContrast::FormCommand(int id, int code, HWND control) {
    if (id == IDOK) {
        // Enter in a box takes what it holds.
        const HWND focus = GetFocus();
        if (focus == text_.Edit || focus == back_.Edit) {
            ApplyEntry(focus == text_.Edit ? Side::Text : Side::Back);
        }
        return;
    }
    if (id == IDCANCEL) {
        HideForm();
        return;
    }
    if (control == text_.Edit || control == back_.Edit) {
        const Side side = control == text_.Edit ? Side::Text : Side::Back;
        if (code == EN_KILLFOCUS) {
            ApplyEntry(side);
        } else if (code == EN_CHANGE) {
            HideRefusal();
        }
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    switch (id) {
        case layout::kTextCurrentId:
            CurrentClick(Side::Text);
            break;
        case layout::kBackCurrentId:
            CurrentClick(Side::Back);
            break;
        case layout::kSwapId:
            SwapClick();
            break;
        case layout::kAaNearestId:
        case layout::kAaaNearestId:
            NearestClick((id - layout::kAaNearestId) / layout::kNearestOffset);
            break;
        default:
            break;
    }
}

void TFContrast::ApplyEntry(Side side) {
    const HWND edit = RowOf(side).Edit;
    const std::string typed = NarrowCp932(WindowText(edit));
    if (typed == ColorEntryText(ColorOf(side))) {
        return;
    }
    const std::optional<Rgb8> color = ParseColorEntry(typed);
    if (!color) {
        // The colour stays; the box keeps what was typed, to be put right, while it has the focus.
        ShowRefusal(edit);
        if (GetFocus() != edit) {
            SetWindowTextW(edit, WidenCp932(ColorEntryText(ColorOf(side))).c_str());
        }
        return;
    }
    SetSideColor(side, *color);
}

void TFContrast::CurrentClick(Side side) {
    if (const auto color = CurrentColor ? CurrentColor() : std::nullopt) {
        SetSideColor(side, *color);
    } else {
        MessageBeep(MB_OK);
    }
}

void TFContrast::SwapClick() {
    std::swap(pair_.Text, pair_.Back);
    PairChanged();
}

void TFContrast::NearestClick(int index) {
    if (const auto color = nearest_[static_cast<std::size_t>(index)].Color) {
        SetSideColor(Side::Text, *color);
    }
}

void TFContrast::ShowRefusal(HWND edit) {
    std::wstring text =
        WidenCp932(std::string_view("#RRGGBB\x81"
                                    "ARRGGBB \x82\xDC\x82\xBD\x82\xCD R,G,B (0\x81`255) "
                                    "\x82\xC5\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2"));
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = hwnd_;
    tool.uId = 1;
    tool.lpszText = text.data();
    SendMessageW(balloon_.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    RECT bounds;
    GetWindowRect(edit, &bounds);
    SendMessageW(balloon_.Get(), TTM_TRACKPOSITION, 0, MAKELPARAM((bounds.left + bounds.right) / 2, bounds.bottom));
    SendMessageW(balloon_.Get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    MessageBeep(MB_ICONWARNING);
}

void TFContrast::HideRefusal() {
    if (balloon_.Get() == nullptr || !IsWindowVisible(balloon_.Get())) {
        return;
    }
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = hwnd_;
    tool.uId = 1;
    SendMessageW(balloon_.Get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void TFContrast::PairChanged() {
    HideRefusal();
    ShowPair();
    NotifyAccessibleValue(ratio_);
    if (OnPairChange) {
        OnPairChange();
    }
}

void TFContrast::ShowPair() {
    const std::string separator = Separator();
    for (const Side side : {Side::Text, Side::Back}) {
        ColorRow& row = RowOf(side);
        row.Swatch.SetColor(ColorRefOf(ColorOf(side)));
        const std::wstring entry = WidenCp932(ColorEntryText(ColorOf(side)));
        if (WindowText(row.Edit) != entry) {
            SetWindowTextW(row.Edit, entry.c_str());
        }
    }
    const double ratio = ContrastRatio(pair_.Text, pair_.Back);
    SetWindowTextW(ratio_, WidenCp932(ContrastRatioText(ratio, separator)).c_str());
    for (std::size_t index = 0; index < kContrastCriteria.size(); ++index) {
        SetWindowTextW(verdicts_[index],
                       WidenCp932(VerdictText(MeetsCriterion(ratio, kContrastCriteria[index]))).c_str());
    }
    for (std::size_t index = 0; index < nearest_.size(); ++index) {
        NearestRow& row = nearest_[index];
        row.Color = NearestPassingText(pair_, MinimumRatio(layout::kNearestCriteria[index]));
        const std::string caption = row.Color ? ColorEntryText(*row.Color) : std::string("\x82\xC8\x82\xB5");  // なし
        SetWindowTextW(row.Button, WidenCp932(caption).c_str());
        EnableWindow(row.Button, row.Color ? TRUE : FALSE);
        if (row.Color) {
            row.Swatch.SetColor(ColorRefOf(*row.Color));
        } else {
            row.Swatch.SetSystemColor(COLOR_BTNFACE);
        }
    }
    preview_.Show(pair_);
    for (std::size_t index = 0; index < simulated_.size(); ++index) {
        const ContrastPair seen = SimulatedPair(pair_, layout::kSimulations[index]);
        simulated_[index].Show(seen);
        const std::string label = std::string(ColorVisionName(layout::kSimulations[index])) + "  " +
                                  ContrastRatioText(ContrastRatio(seen.Text, seen.Back), separator);
        SetWindowTextW(simulatedLabels_[index], WidenCp932(label).c_str());
    }
}

LRESULT TFContrast::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_COMMAND:
            RunGuarded([&] { FormCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); });
            return 0;
        case WM_SETCURSOR:
            if (const std::optional<LRESULT> result = SetTopLevelCursor(hwnd_, wParam)) {
                return *result;
            }
            break;
        case WM_CLOSE:
            HideForm();
            return 0;
        case WM_DPICHANGED:
            RunGuarded([&] { WindowDpiChanged(ReadDpiChange(wParam, lParam)); });
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace tintrel
