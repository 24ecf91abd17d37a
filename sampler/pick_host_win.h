#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "color/vision_simulation.h"
#include "persist/settings_file.h"
#include "sampler/hotkey_text.h"
#include "sampler/magnifier_win.h"
#include "sampler/pick_hooks_win.h"
#include "sampler/screen_pick_win.h"
#include "ui/dpi_win.h"

namespace tintrel {

// Where the colours of one pick go: the main window's current colour, or a colour of another window.
struct PickReceiver {
    // The colour there is before the pick, which a cancel puts back; nothing when there is none.
    std::function<std::optional<COLORREF>()> Current;
    std::function<void(COLORREF color)> Show;
    std::function<void(std::optional<COLORREF> before)> PutBack;
    std::function<void(COLORREF color)> Taken;

    // A receiver for a colour that `current` reads and `set` changes: a pick shows in it as it goes and
    // a cancel puts it back; `taken` hears the colour a pick takes, before it is set.
    static PickReceiver ForColor(std::function<COLORREF()> current,
                                 std::function<void(COLORREF)> set,
                                 std::function<void(COLORREF)> taken);
};

// A window's picking off the screen: the one screen pick that its pick targets, the hot key and other
// processes start, the magnifier it shows in, the magnifier's zoom by the wheel, and the pick's options.
class PickHost {
public:
    // `main` receives the picks that name no receiver of their own.
    explicit PickHost(PickReceiver main);

    // `window` gets the hot key and the zoom label's timer and hands them to HandleMessage; the magnifier
    // is drawn into `panel` at `paintBox()`. Throws Error.
    void Attach(HWND window, HWND panel, std::function<RECT()> paintBox, SIZE designBox);
    void SetDpi(DpiScale dpi) { magnifier_.SetDpi(dpi); }
    // Gives the magnifier's memory back; a pick that runs is cancelled.
    void Release();

    void ApplySettings(const Settings& settings);
    void StoreSettings(Settings& settings) const;
    // The hot key as its menu item names it ("なし" without one), and whether there is one.
    std::string HotKeyText() const;
    bool HasHotKey() const { return hotKeyInForce_.Key != 0; }
    bool HotKeyOn() const { return hotKeyOn_; }
    // Registers the hot key when it is on, releases it otherwise. Throws Error with the
    // user's message when another program holds the key.
    void SetHotKeyOn(bool on);
    bool StartsFrozen() const { return startsFrozen_; }
    void SetStartsFrozen(bool frozen) { startsFrozen_ = frozen; }
    int SampleSize() const { return magnifier_.SampleSize(); }
    void SetSampleSize(int size);
    ColorVision Vision() const { return magnifier_.Vision(); }
    void SetVision(ColorVision vision);

    // A mouse message of a pick target; a press starts a pick whose colours go to `receiver`, which must
    // outlive the pick, or to the main receiver when none is given. Messages of other targets than the
    // one whose pick runs are ignored.
    void TargetMouse(HWND target, UINT message, const PickReceiver* receiver = nullptr);
    // A pick from anywhere for the main receiver, frozen when `frozen` or the option says so; nothing
    // while a dialog or message box holds the window.
    void StartAnywhere(bool frozen);
    void Cancel() { pick_.Cancel(); }
    bool IsPicking() const { return pick_.IsPicking(); }
    bool IsFrozen() const { return pick_.IsFrozen(); }

    // The keys of a pick, and the wheel over the magnifier or during a pick. True when taken.
    bool PreTranslateMessage(const MSG& message);
    // The hot key and the zoom label's timer.
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam);

    // Reads the screen under the pointer into the magnifier and shows it; the pointer's colour, nothing
    // when the screen cannot be read at the moment.
    std::optional<COLORREF> SampleScreen();
    void Paint(HDC dc) const;
    // Painted now, not at the next paint cycle, so that the magnifier keeps up with a fast drag.
    void Repaint();

private:
    ScreenPickClient Client();
    void RegisterHotKey();
    void HotKeyPressed();
    void ZoomBy(int wheelDelta);
    void HideZoomLabel();

    PickReceiver main_;
    // The receiver and the target of the pick that runs.
    const PickReceiver* active_ = &main_;
    HWND activeTarget_ = nullptr;
    HWND window_ = nullptr;
    HWND panel_ = nullptr;
    std::function<RECT()> paintBox_;
    Magnifier magnifier_;
    ScreenPick pick_{Client()};
    HotKeyRegistration hotKey_;
    // The key as the settings file holds it, written back as it is; and the key that text gives.
    std::string hotKeyText_ = Settings{}.PickHotKey;
    HotKey hotKeyInForce_ = kDefaultPickHotKey;
    bool hotKeyOn_ = true;
    bool startsFrozen_ = false;
    int wheelRemainder_ = 0;
};

}  // namespace tintrel
