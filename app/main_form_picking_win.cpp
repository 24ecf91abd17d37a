// Picking off the screen wired to the window: picks show and take the current colour, the pick's
// options live in the menu, and another process can ask for a pick from anywhere.
#include "app/main_form_win.h"

#include "app/main_form_layout_win.h"
#include "app/start_request_win.h"
#include "sampler/area_average.h"
#include "ui/message_box_win.h"

namespace tintrel {

namespace {

constexpr UINT kPickRequestMessage = WM_APP + 0x21;

constexpr CommandId kSampleItems[] = {CommandId::Sample1, CommandId::Sample3, CommandId::Sample5, CommandId::Sample9};
// In the order of ColorVision.
constexpr CommandId kSimulateItems[] = {CommandId::Simulate0, CommandId::Simulate1, CommandId::Simulate2,
                                        CommandId::Simulate3, CommandId::Simulate4};

}  // namespace

PickReceiver TFMain::MainPickReceiver() {
    return PickReceiver{
        .Current = [this] { return ColorBeforePick(); },
        .Show = [this](COLORREF color) { ShowPicked(color); },
        .PutBack =
            [this](std::optional<COLORREF> before) {
                if (before) {
                    SetColor(static_cast<ColorRef>(*before));
                } else {
                    ClearColor();
                }
                UpdateReadout();
            },
        .Taken = [this](COLORREF) { PickTaken(); },
    };
}

void TFMain::CreatePick() {
    pickHost_.Attach(
        hwnd_, panelDef_.Handle(), [this] { return PaintBox1(); }, layout::kPaintBox1Size);
    // Image1 is drawn by PanelP itself, so the pointer over the picture is the pointer over the panel.
    panelP_.OnMouse = [this](UINT message) {
        const bool release = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
        if (release && !pickHost_.IsPicking() && IsChecked(CommandId::Popup1)) {
            CopyTextLine();  // every release over the target copies, also one that ends no pick
        }
        pickHost_.TargetMouse(panelP_.Handle(), message);
    };
}

std::optional<COLORREF> TFMain::ColorBeforePick() const {
    return colorState_.HasColor ? std::optional<COLORREF>(static_cast<COLORREF>(colorState_.CurColor)) : std::nullopt;
}

void TFMain::ShowPickOptions() {
    menu_.SetCaption(CommandId::NHotKey, PickHotKeyCaption(pickHost_.HotKeyText()));
    menu_.SetEnabled(CommandId::NHotKey, pickHost_.HasHotKey());
    menu_.SetCheck(CommandId::NHotKey, pickHost_.HotKeyOn());
    menu_.SetCheck(CommandId::NPickFrozen, pickHost_.StartsFrozen());
    for (std::size_t index = 0; index < std::size(kSampleItems); ++index) {
        menu_.SetCheck(kSampleItems[index], kSampleSizes[index] == pickHost_.SampleSize());
    }
    for (std::size_t index = 0; index < std::size(kSimulateItems); ++index) {
        menu_.SetCheck(kSimulateItems[index], static_cast<ColorVision>(index) == pickHost_.Vision());
    }
}

void TFMain::PickOptionClick(CommandId sender) {
    if (sender == CommandId::NHotKey) {
        RunGuarded([this] { pickHost_.SetHotKeyOn(!pickHost_.HotKeyOn()); });
    } else if (sender == CommandId::NPickFrozen) {
        pickHost_.SetStartsFrozen(!pickHost_.StartsFrozen());
    }
    for (std::size_t index = 0; index < std::size(kSampleItems); ++index) {
        if (kSampleItems[index] == sender) {
            pickHost_.SetSampleSize(kSampleSizes[index]);
        }
    }
    for (std::size_t index = 0; index < std::size(kSimulateItems); ++index) {
        if (kSimulateItems[index] == sender) {
            pickHost_.SetVision(static_cast<ColorVision>(index));
        }
    }
    ShowPickOptions();
}

void TFMain::SampleScreen() {
    if (const std::optional<COLORREF> picked = pickHost_.SampleScreen()) {
        ShowPicked(*picked);
    }
}

void TFMain::ShowPicked(COLORREF picked) {
    // Over a plain area most samples pick the colour that is current already; the readout then stays.
    const bool changed = !colorState_.HasColor || colorState_.CurColor != static_cast<ColorRef>(picked);
    SetColor(static_cast<ColorRef>(picked));
    if (changed) {
        UpdateReadout();
    }
}

// A colour was taken from the screen, by any kind of pick.
void TFMain::PickTaken() {
    if (colorState_.HasColor) {
        RecordPick(colorState_.CurColor);
    }
    if (IsChecked(CommandId::Popup1)) {
        CopyTextLine();
    }
    AnnouncePick();
}

std::optional<LRESULT> TFMain::HandlePickMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        if (const std::optional<bool> frozen = PickRequested(*reinterpret_cast<const COPYDATASTRUCT*>(lParam))) {
            // Started once the other process has its answer and the window is free again.
            PostMessageW(hwnd_, kPickRequestMessage, *frozen ? 1 : 0, 0);
            return TRUE;
        }
        return std::nullopt;
    }
    if (message == kPickRequestMessage) {
        RunGuarded([&] { pickHost_.StartAnywhere(wParam != 0); });
        return 0;
    }
    return pickHost_.HandleMessage(message, wParam);
}

}  // namespace tintrel
