// Picking off the screen wired to the window: the hot key, the options, the magnifier's zoom and the area a
// pick averages over.
#include "app/main_form_win.h"

#include <windowsx.h>  // GET_X_LPARAM

#include <string>

#include "app/start_request_win.h"
#include "base/error.h"
#include "sampler/area_average.h"
#include "sampler/magnifier_geometry.h"
#include "ui/message_box_win.h"
#include "ui/screen_cursor_win.h"

namespace tintrel {

namespace {

constexpr int kPickHotKeyId = 1;
constexpr UINT kPickRequestMessage = WM_APP + 0x21;
constexpr UINT_PTR kZoomLabelTimer = 1;
constexpr UINT kZoomLabelMilliseconds = 1000;

// なし
constexpr std::string_view kNoKey = "\x82\xC8\x82\xB5";
// ホットキー (the key) は他のプログラムが使っているため使えません
constexpr std::string_view kHotKeyTakenBefore =
    "\x83z\x83"
    "b\x83g\x83L\x81[ ";
constexpr std::string_view kHotKeyTakenAfter =
    " \x82\xCD\x91\xBC\x82\xCC\x83v\x83\x8D\x83O\x83\x89\x83\x80\x82\xAA\x8Eg\x82\xC1\x82\xC4\x82"
    "\xA2\x82\xE9\x82\xBD\x82\xDF\x8Eg\x82\xA6\x82\xDC\x82\xB9\x82\xF1";

constexpr CommandId kSampleItems[] = {CommandId::Sample1, CommandId::Sample3, CommandId::Sample5, CommandId::Sample9};
// In the order of ColorVision, which the settings file stores.
constexpr CommandId kSimulateItems[] = {CommandId::Simulate0, CommandId::Simulate1, CommandId::Simulate2,
                                        CommandId::Simulate3, CommandId::Simulate4};

// Another copy of Tintrel runs (on this desktop): it holds the key, and nobody needs telling.
bool AnotherCopyRuns(HWND own) {
    for (HWND window = FindWindowExW(nullptr, nullptr, L"TFMain", nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, L"TFMain", nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (window != own && process != GetCurrentProcessId()) {
            return true;
        }
    }
    return false;
}

}  // namespace

void TFMain::ApplyPickOptions(const Settings& settings) {
    pickHotKeyText_ = settings.PickHotKey;
    // A text that is no key leaves the default in force; the text itself is written back unchanged.
    pickHotKeyInForce_ = ParseHotKey(settings.PickHotKey).value_or(kDefaultPickHotKey);
    menu_.SetCheck(CommandId::NHotKey, settings.PickHotKeyOn);
    menu_.SetCheck(CommandId::NPickFrozen, settings.PickFrozen);
    const int sampleSize = SampleSizeFromStored(settings.Sample);
    for (std::size_t index = 0; index < std::size(kSampleItems); ++index) {
        menu_.SetCheck(kSampleItems[index], kSampleSizes[index] == sampleSize);
    }
    magnifier_.SetSampleSize(sampleSize);
    magnifier_.SetZoom(ZoomFromStored(settings.Zoom));
    SimulateClick(kSimulateItems[settings.Simulate]);
}

void TFMain::StorePickOptions(Settings& settings) const {
    settings.PickHotKey = pickHotKeyText_;
    settings.PickHotKeyOn = IsChecked(CommandId::NHotKey);
    settings.PickFrozen = IsChecked(CommandId::NPickFrozen);
    settings.Zoom = magnifier_.Zoom();
    settings.Sample = magnifier_.SampleSize();
    for (std::size_t index = 0; index < std::size(kSimulateItems); ++index) {
        if (IsChecked(kSimulateItems[index])) {
            settings.Simulate = static_cast<std::int32_t>(index);
        }
    }
}

void TFMain::RegisterPickHotKey() {
    const bool hasKey = pickHotKeyInForce_.Key != 0;
    const std::string keyText = hasKey ? HotKeyText(pickHotKeyInForce_) : std::string(kNoKey);
    menu_.SetCaption(CommandId::NHotKey, PickHotKeyCaption(keyText));
    menu_.SetEnabled(CommandId::NHotKey, hasKey);
    pickHotKey_.Unregister();
    if (!hasKey || !IsChecked(CommandId::NHotKey)) {
        return;
    }
    if (!pickHotKey_.Register(hwnd_, kPickHotKeyId, pickHotKeyInForce_) && !AnotherCopyRuns(hwnd_)) {
        std::string message(kHotKeyTakenBefore);
        message.append(keyText).append(kHotKeyTakenAfter);
        throw Error(message);
    }
}

void TFMain::NHotKeyClick() {
    menu_.SetCheck(CommandId::NHotKey, !IsChecked(CommandId::NHotKey));
    RegisterPickHotKey();
}

void TFMain::SampleClick(CommandId sender) {
    menu_.CheckRadio(sender);
    for (std::size_t index = 0; index < std::size(kSampleItems); ++index) {
        if (kSampleItems[index] == sender) {
            magnifier_.SetSampleSize(kSampleSizes[index]);
        }
    }
    RepaintMagnifier();
}

void TFMain::SimulateClick(CommandId sender) {
    menu_.CheckRadio(sender);
    for (std::size_t index = 0; index < std::size(kSimulateItems); ++index) {
        if (kSimulateItems[index] == sender) {
            magnifier_.SetVision(static_cast<ColorVision>(index));
        }
    }
    RepaintMagnifier();
}

// ---- Picks off the screen

ScreenPickClient TFMain::PickClient() {
    return ScreenPickClient{
        .Started = [this] { magnifier_.Keep(); },
        .Sample = [this](ScreenPoint at, const FrozenScreen* frozen) { return magnifier_.Capture(at, frozen); },
        .Show =
            [this](COLORREF color) {
                if (contrastPickSide_) {
                    ShowContrastPick(color);
                } else {
                    ShowPicked(color);
                }
            },
        .PutBack =
            [this](std::optional<COLORREF> before) {
                if (contrastPickSide_) {
                    EndContrastPick(before);
                } else {
                    if (before) {
                        SetColor(static_cast<ColorRef>(*before));
                    } else {
                        ClearColor();
                    }
                    UpdateReadout();
                }
                magnifier_.PutBack();
                RepaintMagnifier();
            },
        .Taken =
            [this](COLORREF color) {
                if (contrastPickSide_) {
                    RecordPick(static_cast<ColorRef>(color));
                    EndContrastPick(color);
                } else {
                    PickTaken();
                }
            },
        .Wheel = [this](int delta) { ZoomBy(delta); },
        .Window = [this] { return hwnd_; },
    };
}

void TFMain::CreatePick() {
    pick_.Create();
    // Image1 is drawn by PanelP itself, so the pointer over the picture is the pointer over the panel.
    panelP_.OnMouse = [this](UINT message) {
        const bool release = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
        if (release && !pick_.IsPicking() && IsChecked(CommandId::Popup1)) {
            CopyTextLine();  // every release over the target copies, also one that ends no pick
        }
        pick_.TargetMouse(panelP_.Handle(), message, ColorBeforePick());
    };
}

std::optional<COLORREF> TFMain::ColorBeforePick() const {
    return colorState_.HasColor ? std::optional<COLORREF>(static_cast<COLORREF>(colorState_.CurColor)) : std::nullopt;
}

void TFMain::PickHotKeyPressed() {
    // Not while a dialog or message box holds the program; a pick from anywhere ends by the key again.
    if (!pick_.IsPicking() && !IsWindowEnabled(hwnd_)) {
        return;
    }
    pick_.ToggleAnywhere(ColorBeforePick(), IsChecked(CommandId::NPickFrozen));
}

void TFMain::StartPickAnywhere(bool frozen) {
    if (IsWindowEnabled(hwnd_)) {
        pick_.StartAnywhere(ColorBeforePick(), frozen || IsChecked(CommandId::NPickFrozen));
    }
}

void TFMain::NPickFrozenClick() {
    menu_.SetCheck(CommandId::NPickFrozen, !IsChecked(CommandId::NPickFrozen));
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

// ---- Zoom

bool TFMain::RouteWheel(const MSG& message) {
    if (message.message != WM_MOUSEWHEEL) {
        return false;
    }
    RECT box = PaintBox1();
    MapWindowPoints(panelDef_.Handle(), nullptr, reinterpret_cast<POINT*>(&box), 2);
    const POINT pointer{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (!pick_.IsPicking() && !(PtInRect(&box, pointer) && IsWindowVisible(hwnd_))) {
        return false;
    }
    RunGuarded([&] { ZoomBy(GET_WHEEL_DELTA_WPARAM(message.wParam)); });
    return true;
}

void TFMain::ZoomBy(int wheelDelta) {
    // A fine-grained wheel turns by less than a notch at a time: the turns add up to whole steps.
    wheelRemainder_ += wheelDelta;
    const int steps = wheelRemainder_ / WHEEL_DELTA;
    wheelRemainder_ -= steps * WHEEL_DELTA;
    if (steps == 0) {
        return;
    }
    magnifier_.SetZoom(StepZoom(magnifier_.Zoom(), steps));
    magnifier_.ShowZoomLabel(true);
    SetTimer(hwnd_, kZoomLabelTimer, kZoomLabelMilliseconds, nullptr);
    RepaintMagnifier();
}

void TFMain::HideZoomLabel() {
    KillTimer(hwnd_, kZoomLabelTimer);
    magnifier_.ShowZoomLabel(false);
    RepaintMagnifier();
}

void TFMain::RepaintMagnifier() {
    // Painted now, not at the next paint cycle, so that the magnifier keeps up with a fast drag; drawn
    // straight into the panel, since a paint message costs more than the capture on some systems.
    const RECT box = PaintBox1();
    magnifier_.PaintNow(panelDef_.Handle(), POINT{box.left, box.top});
}

std::optional<LRESULT> TFMain::HandlePickMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HOTKEY:
            if (wParam != kPickHotKeyId) {
                return std::nullopt;
            }
            RunGuarded([this] { PickHotKeyPressed(); });
            return 0;
        case WM_COPYDATA:
            if (const std::optional<bool> frozen = PickRequested(*reinterpret_cast<const COPYDATASTRUCT*>(lParam))) {
                // Started once the other process has its answer and the window is free again.
                PostMessageW(hwnd_, kPickRequestMessage, *frozen ? 1 : 0, 0);
                return TRUE;
            }
            return std::nullopt;
        case kPickRequestMessage:
            RunGuarded([&] { StartPickAnywhere(wParam != 0); });
            return 0;
        case WM_TIMER:
            if (wParam != kZoomLabelTimer) {
                return std::nullopt;
            }
            RunGuarded([this] { HideZoomLabel(); });
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace tintrel
