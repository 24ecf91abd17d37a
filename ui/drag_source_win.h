#pragma once

#include <windows.h>

namespace tintrel {

// A window that takes the drops of the program's drags. It is found by its window, so that a drag
// reaches it wherever the window is hosted.
class DropTarget {
public:
    // Whether a drop at `client` (in the registered window's client coordinates) would be taken.
    virtual bool DragOver(POINT client) = 0;
    // A drop at `client`; called only where DragOver has just accepted.
    virtual void DragDrop(POINT client) = 0;

protected:
    ~DropTarget() = default;
};

// Makes `target` the drop target of `window` until RevokeDropTarget. The target must outlive the
// registration.
void RegisterDropTarget(HWND window, DropTarget& target);
void RevokeDropTarget(HWND window);
// The drop target registered on `window`, nullptr when none is (or the window is another program's).
DropTarget* DropTargetOf(HWND window);

// Drags from `source`, whose left button has just been pressed, until the button is released. The
// mouse is held by `source`; at each move the window under the pointer is asked whether it accepts,
// and the cursor shows the arrow where it does and the no-entry sign where it does not. A release
// where a target accepts drops there; Esc or a loss of the mouse cancels. Runs its own message loop
// meanwhile: other messages are dispatched, other mouse and key input is swallowed. Returns true when
// a target took the drop.
bool DragFrom(HWND source);

}  // namespace tintrel
