#pragma once

#include <windows.h>

#include <string_view>

#include "ui/base_window_win.h"
#include "ui/message_box_win.h"

namespace tintrel {

// Modal results of the program's dialogs.
inline constexpr int kModalResultNone = 0;
inline constexpr int kModalResultOk = 1;
inline constexpr int kModalResultCancel = 2;

namespace detail {

// Creates the hidden window of a dialog form: fixed dialog frame with a caption and close box, the given
// client size, button-face background.
void CreateDialogWindow(const wchar_t* className,
                        WNDPROC procedure,
                        std::string_view captionCp932,
                        SIZE client,
                        void* form);

// Runs the modal loop of a shown form until `modalResult` is set or the program quits (then Cancel).
// Esc anywhere in the form calls `cancel`; Tab and Shift+Tab move between the form's controls, also
// out of a multi-line text box.
int RunModalLoop(HWND form, HWND owner, HWND initialFocus, const int& modalResult, void (*cancel)(void*), void* object);

}  // namespace detail

// A dialog form, created once hidden and shown modally as often as needed: centred on the screen, its
// owner disabled while it runs. The derived class implements
//     void FormShow();                   // fills the form each time it is shown
//     HWND InitialFocus() const;         // the control that has the focus when it appears
//     void Cancel();                     // Esc and the close box: ends with kModalResultCancel
// and ends the run with EndModal.
template <class Derived>
class ModalForm : public BaseWindow<Derived> {
public:
    // Shows the form modally over `owner`; returns kModalResultOk or kModalResultCancel.
    int ShowModal(HWND owner) {
        Derived& form = static_cast<Derived&>(*this);
        modalResult_ = kModalResultNone;
        form.FormShow();
        return detail::RunModalLoop(
            this->hwnd_, owner, form.InitialFocus(), modalResult_,
            [](void* object) { static_cast<Derived*>(object)->Cancel(); }, &form);
    }

protected:
    void CreateForm(const wchar_t* className, std::string_view captionCp932, SIZE client) {
        detail::CreateDialogWindow(className, &BaseWindow<Derived>::WindowProc, captionCp932, client,
                                   static_cast<Derived*>(this));
    }

    void EndModal(int result) { modalResult_ = result; }

    // For the form's HandleMessage: the close box cancels.
    bool HandleClose(UINT message) {
        if (message != WM_CLOSE) {
            return false;
        }
        RunGuarded([this] { static_cast<Derived*>(this)->Cancel(); });
        return true;
    }

private:
    int modalResult_ = kModalResultNone;
};

}  // namespace tintrel
