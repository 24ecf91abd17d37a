#include "sampler/pick_host_win.h"

#include <windowsx.h>  // GET_X_LPARAM

#include <string_view>
#include <utility>

#include "base/error.h"
#include "sampler/area_average.h"
#include "sampler/magnifier_geometry.h"
#include "sampler/screen_capture_win.h"
#include "ui/message_box_win.h"

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

// Another copy of the program runs on this desktop: it holds the key, and nobody needs telling.
bool AnotherCopyRuns(HWND own) {
    wchar_t className[64] = {};
    GetClassNameW(own, className, 64);
    for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, className, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (window != own && process != GetCurrentProcessId()) {
            return true;
        }
    }
    return false;
}

bool IsPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

}  // namespace

PickReceiver PickReceiver::ForColor(std::function<COLORREF()> current,
                                    std::function<void(COLORREF)> set,
                                    std::function<void(COLORREF)> taken) {
    return PickReceiver{
        .Current = [current]() -> std::optional<COLORREF> { return current(); },
        .Show = set,
        .PutBack =
            [set](std::optional<COLORREF> before) {
                if (before) {
                    set(*before);
                }
            },
        .Taken =
            [set, taken](COLORREF color) {
                taken(color);
                set(color);
            },
    };
}

PickHost::PickHost(PickReceiver main) : main_(std::move(main)) {}

ScreenPickClient PickHost::Client() {
    return ScreenPickClient{
        .Started = [this] { magnifier_.Keep(); },
        .Sample = [this](ScreenPoint at, const FrozenScreen* frozen) { return magnifier_.Capture(at, frozen); },
        .Show =
            [this](COLORREF color) {
                Repaint();
                active_->Show(color);
            },
        .PutBack =
            [this](std::optional<COLORREF> before) {
                active_->PutBack(before);
                magnifier_.PutBack();
                Repaint();
            },
        .Taken = [this](COLORREF color) { active_->Taken(color); },
        .Wheel = [this](int delta) { ZoomBy(delta); },
        .Window = [this] { return window_; },
    };
}

void PickHost::Attach(HWND window, HWND panel, std::function<RECT()> paintBox, SIZE designBox) {
    window_ = window;
    panel_ = panel;
    paintBox_ = std::move(paintBox);
    magnifier_.Create(designBox);
    pick_.Create();
}

void PickHost::Release() {
    pick_.Cancel();
    magnifier_.Release();
}

void PickHost::ApplySettings(const Settings& settings) {
    hotKeyText_ = settings.PickHotKey;
    // A text that is no key leaves the default in force; the text itself is written back unchanged.
    hotKeyInForce_ = ParseHotKey(settings.PickHotKey).value_or(kDefaultPickHotKey);
    hotKeyOn_ = settings.PickHotKeyOn;
    startsFrozen_ = settings.PickFrozen;
    magnifier_.SetSampleSize(SampleSizeFromStored(settings.Sample));
    magnifier_.SetZoom(ZoomFromStored(settings.Zoom));
    SetVision(static_cast<ColorVision>(settings.Simulate));
}

void PickHost::StoreSettings(Settings& settings) const {
    settings.PickHotKey = hotKeyText_;
    settings.PickHotKeyOn = hotKeyOn_;
    settings.PickFrozen = startsFrozen_;
    settings.Zoom = magnifier_.Zoom();
    settings.Sample = magnifier_.SampleSize();
    settings.Simulate = static_cast<std::int32_t>(magnifier_.Vision());
}

std::string PickHost::HotKeyText() const {
    return HasHotKey() ? tintrel::HotKeyText(hotKeyInForce_) : std::string(kNoKey);
}

void PickHost::SetHotKeyOn(bool on) {
    hotKeyOn_ = on;
    RegisterHotKey();
}

void PickHost::RegisterHotKey() {
    hotKey_.Unregister();
    if (!HasHotKey() || !hotKeyOn_) {
        return;
    }
    if (!hotKey_.Register(window_, kPickHotKeyId, hotKeyInForce_) && !AnotherCopyRuns(window_)) {
        std::string message(kHotKeyTakenBefore);
        message.append(HotKeyText()).append(kHotKeyTakenAfter);
        throw Error(message);
    }
}

void PickHost::SetSampleSize(int size) {
    magnifier_.SetSampleSize(size);
    Repaint();
}

void PickHost::SetVision(ColorVision vision) {
    magnifier_.SetVision(vision);
    Repaint();
}

// ---- Picks

void PickHost::TargetMouse(HWND target, UINT message, const PickReceiver* receiver) {
    if (IsPress(message) && !IsPicking()) {
        active_ = receiver != nullptr ? receiver : &main_;
        activeTarget_ = target;
    }
    if (target != activeTarget_) {
        return;
    }
    // What a cancel puts back is read once, when the press starts the pick.
    pick_.TargetMouse(target, message, IsPress(message) ? active_->Current() : std::nullopt);
}

void PickHost::StartAnywhere(bool frozen) {
    if (IsWindowEnabled(window_) && !IsPicking()) {
        active_ = &main_;
        activeTarget_ = nullptr;
        pick_.StartAnywhere(main_.Current(), frozen || startsFrozen_);
    }
}

void PickHost::HotKeyPressed() {
    // Not while a dialog or message box holds the program; a pick from anywhere ends by the key again.
    if (IsPicking()) {
        pick_.ToggleAnywhere(std::nullopt, false);
    } else {
        StartAnywhere(false);
    }
}

std::optional<COLORREF> PickHost::SampleScreen() {
    const std::optional<ScreenPoint> pointer = PointerOnScreen();
    const std::optional<COLORREF> picked = pointer ? magnifier_.Capture(*pointer) : std::nullopt;
    if (picked) {
        Repaint();
    }
    return picked;
}

// ---- Zoom and paint

bool PickHost::PreTranslateMessage(const MSG& message) {
    if (pick_.RouteKey(message)) {
        return true;
    }
    if (message.message != WM_MOUSEWHEEL) {
        return false;
    }
    RECT box = paintBox_();
    MapWindowPoints(panel_, nullptr, reinterpret_cast<POINT*>(&box), 2);
    const POINT pointer{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (!IsPicking() && !(PtInRect(&box, pointer) && IsWindowVisible(window_))) {
        return false;
    }
    RunGuarded([&] { ZoomBy(GET_WHEEL_DELTA_WPARAM(message.wParam)); });
    return true;
}

void PickHost::ZoomBy(int wheelDelta) {
    // A fine-grained wheel turns by less than a notch at a time: the turns add up to whole steps.
    wheelRemainder_ += wheelDelta;
    const int steps = wheelRemainder_ / WHEEL_DELTA;
    wheelRemainder_ -= steps * WHEEL_DELTA;
    if (steps == 0) {
        return;
    }
    magnifier_.SetZoom(StepZoom(magnifier_.Zoom(), steps));
    magnifier_.ShowZoomLabel(true);
    SetTimer(window_, kZoomLabelTimer, kZoomLabelMilliseconds, nullptr);
    Repaint();
}

void PickHost::HideZoomLabel() {
    KillTimer(window_, kZoomLabelTimer);
    magnifier_.ShowZoomLabel(false);
    Repaint();
}

std::optional<LRESULT> PickHost::HandleMessage(UINT message, WPARAM wParam) {
    if (message == WM_HOTKEY && wParam == kPickHotKeyId) {
        RunGuarded([this] { HotKeyPressed(); });
        return 0;
    }
    if (message == WM_TIMER && wParam == kZoomLabelTimer) {
        RunGuarded([this] { HideZoomLabel(); });
        return 0;
    }
    return std::nullopt;
}

void PickHost::Paint(HDC dc) const {
    const RECT box = paintBox_();
    magnifier_.Paint(dc, POINT{box.left, box.top});
}

void PickHost::Repaint() {
    // Drawn straight into the panel, since a paint message costs more than the capture on some systems.
    const RECT box = paintBox_();
    magnifier_.PaintNow(panel_, POINT{box.left, box.top});
}

}  // namespace tintrel
