#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <string>

namespace tintrel {

// What assistive technology is told about a window and its drawn parts. Part 0 is the window itself;
// parts 1 to PartCount() are elements drawn on it (the palette's cells), with no window of their own.
class AccessibleSource {
public:
    virtual long PartCount() const { return 0; }
    virtual std::wstring Name(long part) const = 0;
    virtual std::wstring Value(long part) const;
    virtual long Role(long part) const = 0;
    // STATE_SYSTEM_* flags beyond those of the window (focused, invisible, unavailable), which are added.
    virtual long State(long part) const;
    // In screen coordinates; the whole window for part 0.
    virtual RECT Location(long part) const;
    // The part under a screen point, 0 when none is.
    virtual long PartAt(POINT screen) const;
    // The part that has the focus while the window has it.
    virtual long FocusedPart() const { return 0; }
    // The selected part, 0 when none is.
    virtual long SelectedPart() const { return 0; }

    // What the default action of a part does, as a verb; empty for none.
    virtual std::wstring DefaultAction(long part) const;
    // Does the default action of a part: S_OK, or DISP_E_MEMBERNOTFOUND for a part without one.
    virtual HRESULT DoDefaultAction(long part);
    // Selects or focuses a part as SELFLAG_* `flags` ask: S_OK, E_INVALIDARG for flags the part does
    // not take, DISP_E_MEMBERNOTFOUND where nothing is selectable.
    virtual HRESULT Select(long part, long flags);

    // The window the object describes.
    HWND Window() const { return window_; }
    void SetWindow(HWND window) { window_ = window; }

protected:
    ~AccessibleSource() = default;

private:
    HWND window_ = nullptr;
};

class AccessibleObject;

// The client object of one window, answered to WM_GETOBJECT: made at the first request, cut off from
// `source` when this object goes, so that a screen reader still holding it gets an error rather than a
// call into a window that has gone.
class AccessibleAnswer {
public:
    explicit AccessibleAnswer(AccessibleSource& source) : source_(source) {}
    ~AccessibleAnswer();
    AccessibleAnswer(const AccessibleAnswer&) = delete;
    AccessibleAnswer& operator=(const AccessibleAnswer&) = delete;

    // The result for WM_GETOBJECT with these parameters; 0 for other objects than the client, so that
    // the window's default handling answers them.
    LRESULT Answer(WPARAM wParam, LPARAM lParam);

private:
    AccessibleSource& source_;
    AccessibleObject* object_ = nullptr;
};

// A window whose own procedure does not describe it well enough (an edit box, a list, a panel), given
// a name, a role and a value through a procedure put in front of its own. The procedure is put there
// by replacing the window's, not with the common controls' subclassing, which looks its data up in the
// window's properties at every message: the readout's fields take many messages at every pick.
class AccessibleControl : private AccessibleSource {
public:
    AccessibleControl() : answer_(*this) {}
    ~AccessibleControl() { Detach(); }

    // Throws Error when the procedure cannot be installed.
    void Attach(HWND window, std::wstring name, long role, long state = 0);
    // Attaches to a drop-down list, described as the platform describes a combo box: its value is the
    // selected item, its state says whether the list is open, and its default action opens or closes it.
    void AttachComboBox(HWND window, std::wstring name);
    // The value read when asked (the colour text, a selected item); the window text when not set.
    std::function<std::wstring()> ValueOf;
    // The part of the window the object stands for, in client coordinates; the whole window when not set.
    std::function<RECT()> Area;
    // State flags that change (expanded or collapsed), added to the fixed ones when asked.
    std::function<long()> StateOf;
    // The default action's verb and the action itself; none while either is unset.
    std::function<std::wstring()> DefaultActionOf;
    std::function<void()> OnDefaultAction;

private:
    std::wstring Name(long part) const override;
    std::wstring Value(long part) const override;
    long Role(long part) const override;
    long State(long part) const override;
    RECT Location(long part) const override;
    std::wstring DefaultAction(long part) const override;
    HRESULT DoDefaultAction(long part) override;

    void Detach();
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::wstring name_;
    long role_ = 0;
    long state_ = 0;
    AccessibleAnswer answer_;
};

// Tells assistive technology that `part` of `window` took the focus.
void NotifyAccessibleFocus(HWND window, long part);
// Tells assistive technology that the value of `window` changed, so that a screen reader reads it.
void NotifyAccessibleValue(HWND window);
// Tells assistive technology that the name of `part` of `window` changed (a cell's colours).
void NotifyAccessibleName(HWND window, long part);

}  // namespace tintrel
