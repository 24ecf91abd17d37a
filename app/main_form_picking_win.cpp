// Picking from anywhere with the hot key, the magnifier's zoom and the area a pick averages over.
#include "app/main_form_win.h"

#include <windowsx.h>  // GET_X_LPARAM

#include <stdexcept>
#include <string>

#include "sampler/area_average.h"
#include "sampler/magnifier_geometry.h"
#include "ui/message_box_win.h"
#include "ui/screen_cursor_win.h"

namespace tintrel {

namespace {

constexpr int kPickHotKeyId = 1;
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
        throw std::runtime_error(message);
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

// ---- The pick from the hot key

void TFMain::PickHotKeyPressed() {
    // Not over a pick already running, nor while a dialog or message box holds the program.
    if (globalPick_.IsActive() || picker_.IsPicking() || !IsWindowEnabled(hwnd_)) {
        return;
    }
    colorBeforePick_ = colorState_.HasColor ? std::optional<ColorRef>(colorState_.CurColor) : std::nullopt;
    magnifier_.Keep();
    globalPick_.Start(hwnd_);
    SetScreenCursor(LoadCursorW(nullptr, IDC_CROSS));
    SampleDuringGlobalPick();
}

void TFMain::GlobalPickEvent(GlobalPick::Event event, LPARAM detail) {
    if (event == GlobalPick::Event::Released) {
        // Unless a new pick has started since, whose hooks these are now.
        if (!globalPick_.IsActive()) {
            globalPick_.RemoveHooks();
        }
        return;
    }
    if (!globalPick_.IsActive()) {
        return;  // told before the pick ended, handled after it
    }
    switch (event) {
        case GlobalPick::Event::Move:
            globalPick_.MoveHandled();
            SampleDuringGlobalPick();
            break;
        case GlobalPick::Event::Take:
            SampleDuringGlobalPick();
            FinishGlobalPick(true);
            break;
        case GlobalPick::Event::Cancel:
            if (colorBeforePick_) {
                SetColor(*colorBeforePick_);
            } else {
                ClearColor();
            }
            UpdateReadout();
            magnifier_.PutBack();
            RepaintMagnifier();
            FinishGlobalPick(false);
            break;
        case GlobalPick::Event::Wheel:
            ZoomBy(static_cast<int>(detail));
            break;
        case GlobalPick::Event::Steer:
            ScreenPicker::Steer(static_cast<WPARAM>(detail & 0xFF), (detail & GlobalPick::kShiftFlag) != 0);
            SampleDuringGlobalPick();
            break;
        default:
            break;
    }
}

void TFMain::SampleDuringGlobalPick() {
    try {
        SampleScreen();
    } catch (...) {
        FinishGlobalPick(false);
        throw;
    }
}

void TFMain::FinishGlobalPick(bool taken) {
    globalPick_.Finish();
    SetScreenCursor(nullptr);
    EndPick(taken);
}

// Where every pick ends, from the target or from the hot key; `taken` when its colour stays current.
void TFMain::EndPick(bool taken) {
    if (!taken) {
        return;
    }
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
    if (!picker_.IsPicking() && !(PtInRect(&box, pointer) && IsWindowVisible(hwnd_))) {
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

bool TFMain::HandlePickMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HOTKEY:
            if (wParam == kPickHotKeyId) {
                RunGuarded([this] { PickHotKeyPressed(); });
                return true;
            }
            return false;
        case GlobalPick::kMessage:
            RunGuarded([&] { GlobalPickEvent(static_cast<GlobalPick::Event>(wParam), lParam); });
            return true;
        case WM_TIMER:
            if (wParam == kZoomLabelTimer) {
                RunGuarded([this] { HideZoomLabel(); });
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace tintrel
