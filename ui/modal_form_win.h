#pragma once

#include <windows.h>

#include <string_view>

#include "ui/base_window_win.h"
#include "ui/dpi_win.h"
#include "ui/fonts_win.h"
#include "ui/message_box_win.h"

namespace tintrel {

// Modal results of the program's dialogs.
inline constexpr int kModalResultNone = 0;
inline constexpr int kModalResultOk = 1;
inline constexpr int kModalResultCancel = 2;

namespace detail {

// Creates the hidden window of a dialog form: fixed dialog frame with a caption and close box, the given
// client size in design units at 96 DPI, button-face background.
void CreateDialogWindow(const wchar_t* className,
                        WNDPROC procedure,
                        std::string_view captionCp932,
                        SIZE client,
                        void* form);

// Centres the form on the screen and gives it the DPI it has there: `designClient` in pixels of that
// DPI as its client area, and the form font. Returns the DPI.
DpiScale FitFormToScreen(HWND form, SIZE designClient);

// Runs the modal loop of a shown form until `modalResult` is set or the program quits (then Cancel).
// Esc anywhere in the form calls `cancel`; Tab and Shift+Tab move between the form's controls, also
// out of a multi-line text box.
int RunModalLoop(HWND form, HWND owner, HWND initialFocus, const int& modalResult, void (*cancel)(void*), void* object);

}  // namespace detail

// A dialog form, created once hidden and shown modally as often as needed: centred on the screen and
// laid out for its DPI there, its owner disabled while it runs. The derived class implements
//     void LayOut(DpiScale dpi);         // places its controls and gives them fonts for `dpi`
//     void FormShow();                   // fills the form each time it is shown
//     HWND InitialFocus() const;         // the control that has the focus when it appears
//     void Cancel();                     // Esc and the close box: ends with kModalResultCancel
// and ends the run with EndModal; its HandleMessage calls HandleClose and HandleDpiChanged.
template <class Derived>
class ModalForm : public BaseWindow<Derived> {
public:
    // Shows the form modally over `owner`; returns kModalResultOk or kModalResultCancel.
    int ShowModal(HWND owner) {
        Derived& form = static_cast<Derived&>(*this);
        modalResult_ = kModalResultNone;
        if (const DpiScale dpi = detail::FitFormToScreen(this->hwnd_, designClient_); dpi != dpi_) {
            dpi_ = dpi;
            form.LayOut(dpi_);
        }
        form.FormShow();
        return detail::RunModalLoop(
            this->hwnd_, owner, form.InitialFocus(), modalResult_,
            [](void* object) { static_cast<Derived*>(object)->Cancel(); }, &form);
    }

protected:
    // Creates the form hidden, with a client area of `client` design units; the derived class creates its
    // controls and lays them out once for 96 DPI.
    void CreateForm(const wchar_t* className, std::string_view captionCp932, SIZE client) {
        designClient_ = client;
        detail::CreateDialogWindow(className, &BaseWindow<Derived>::WindowProc, captionCp932, client,
                                   static_cast<Derived*>(this));
    }

    DpiScale Dpi() const { return dpi_; }

    void EndModal(int result) { modalResult_ = result; }

    // For the form's HandleMessage: the close box cancels.
    bool HandleClose(UINT message) {
        if (message != WM_CLOSE) {
            return false;
        }
        RunGuarded([this] { static_cast<Derived*>(this)->Cancel(); });
        return true;
    }

    // For the form's HandleMessage: moved onto a monitor of another DPI, the form takes the rectangle the
    // system suggests and lays itself out once for the new DPI.
    bool HandleDpiChanged(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != WM_DPICHANGED) {
            return false;
        }
        const DpiChange change = ReadDpiChange(wParam, lParam);
        dpi_ = change.Dpi;
        PlaceForDpi(this->hwnd_, change.Suggested, designClient_, dpi_);
        SetControlFont(this->hwnd_, FormFont(dpi_));
        RunGuarded([this] { static_cast<Derived*>(this)->LayOut(dpi_); });
        return true;
    }

private:
    int modalResult_ = kModalResultNone;
    SIZE designClient_{};
    DpiScale dpi_;
};

}  // namespace tintrel
