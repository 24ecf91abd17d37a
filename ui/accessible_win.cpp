#include "ui/accessible_win.h"

#include <oleauto.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "base/error.h"
#include "ui/base_window_win.h"  // kCannotCreateWindow
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// A window whose procedure an AccessibleControl replaced: its own, and the control that answers for it
// (nullptr once the control has gone while another procedure still stood in front of ours).
struct HookedWindow {
    HWND Window;
    WNDPROC Original;
    AccessibleControl* Control;
};

// A handful of windows, all on the one user-interface thread.
std::vector<HookedWindow>& HookedWindows() {
    static std::vector<HookedWindow> windows;
    return windows;
}

}  // namespace

std::wstring AccessibleSource::Value(long) const {
    return {};
}

long AccessibleSource::State(long) const {
    return 0;
}

RECT AccessibleSource::Location(long) const {
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    return bounds;
}

long AccessibleSource::PartAt(POINT) const {
    return 0;
}

std::wstring AccessibleSource::DefaultAction(long) const {
    return {};
}

HRESULT AccessibleSource::DoDefaultAction(long) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleSource::Select(long, long) {
    return DISP_E_MEMBERNOTFOUND;
}

// A hand-written IAccessible over an AccessibleSource. Its parts are simple elements: they have no
// object of their own and are addressed by their number through the window's object.
// Interfaces are named with __uuidof: the import library of oleacc also offers IID_IAccessible as the
// address of an import thunk, which the linker may pick instead of the identifier.
class AccessibleObject final : public IAccessible {
public:
    explicit AccessibleObject(AccessibleSource& source) : source_(&source) {}

    void Disconnect() { source_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (parent == nullptr) {
            return E_POINTER;
        }
        *parent = nullptr;
        if (source_ == nullptr) {
            return E_FAIL;
        }
        return AccessibleObjectFromWindow(source_->Window(), static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                          reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = source_ != nullptr ? source_->PartCount() : 0;
        return source_ != nullptr ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        long part = 0;
        const HRESULT checked = Part(child, part);
        return FAILED(checked) ? checked : S_FALSE;  // the parts are simple elements
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Text(child, name, [this](long part) { return source_->Name(part); });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Text(child, value, [this](long part) { return source_->Value(part); });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return Nothing(text); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* text) override { return Nothing(text); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (topic != nullptr) {
            *topic = 0;
        }
        return Nothing(file);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* text) override { return Nothing(text); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
        return Text(child, text, [this](long part) { return source_->DefaultAction(part); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        long part = 0;
        const HRESULT checked = Checked(child, role, part);
        if (checked != S_OK) {
            return checked;
        }
        role->vt = VT_I4;
        role->lVal = source_->Role(part);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        long part = 0;
        const HRESULT checked = Checked(child, state, part);
        if (checked != S_OK) {
            return checked;
        }
        const HWND window = source_->Window();
        long flags = source_->State(part);
        if (!IsWindowVisible(window)) {
            flags |= STATE_SYSTEM_INVISIBLE;
        }
        if (!IsWindowEnabled(window)) {
            flags |= STATE_SYSTEM_UNAVAILABLE;
        }
        if (GetFocus() == window && source_->FocusedPart() == part) {
            flags |= STATE_SYSTEM_FOCUSED;
        }
        state->vt = VT_I4;
        state->lVal = flags;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (focus == nullptr) {
            return E_POINTER;
        }
        VariantInit(focus);
        if (source_ == nullptr) {
            return E_FAIL;
        }
        if (GetFocus() != source_->Window()) {
            return S_FALSE;
        }
        focus->vt = VT_I4;
        focus->lVal = source_->FocusedPart();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (selection == nullptr) {
            return E_POINTER;
        }
        VariantInit(selection);
        if (source_ == nullptr) {
            return E_FAIL;
        }
        const long part = source_->SelectedPart();
        if (part == 0) {
            return S_FALSE;
        }
        selection->vt = VT_I4;
        selection->lVal = part;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return Act(child, [this, flags](long part) { return source_->Select(part, flags); });
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
            return E_POINTER;
        }
        *left = *top = *width = *height = 0;
        long part = 0;
        const HRESULT checked = Part(child, part);
        if (checked != S_OK) {
            return checked;
        }
        const RECT bounds = source_->Location(part);
        *left = bounds.left;
        *top = bounds.top;
        *width = bounds.right - bounds.left;
        *height = bounds.bottom - bounds.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
        if (end != nullptr) {
            VariantInit(end);
        }
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        if (child == nullptr) {
            return E_POINTER;
        }
        VariantInit(child);
        if (source_ == nullptr) {
            return E_FAIL;
        }
        RECT bounds;
        GetWindowRect(source_->Window(), &bounds);
        const POINT at{x, y};
        if (!PtInRect(&bounds, at)) {
            return S_FALSE;
        }
        child->vt = VT_I4;
        child->lVal = source_->PartAt(at);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Act(child, [this](long part) { return source_->DoDefaultAction(part); });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~AccessibleObject() = default;

    // The part `child` names: E_FAIL once the window has gone, E_INVALIDARG for no part of it.
    HRESULT Part(const VARIANT& child, long& part) const {
        if (source_ == nullptr) {
            return E_FAIL;
        }
        if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > source_->PartCount()) {
            return E_INVALIDARG;
        }
        part = child.lVal;
        return S_OK;
    }
    HRESULT Checked(const VARIANT& child, VARIANT* result, long& part) const {
        if (result == nullptr) {
            return E_POINTER;
        }
        VariantInit(result);
        return Part(child, part);
    }
    template <class Read>
    HRESULT Text(const VARIANT& child, BSTR* text, const Read& read) const {
        if (text == nullptr) {
            return E_POINTER;
        }
        *text = nullptr;
        long part = 0;
        const HRESULT checked = Part(child, part);
        if (checked != S_OK) {
            return checked;
        }
        const std::wstring value = read(part);
        if (value.empty()) {
            return S_FALSE;
        }
        *text = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
        return *text != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    // Runs an action on the part `child` names; the action's errors end here, in the caller's answer.
    template <class Action>
    HRESULT Act(const VARIANT& child, const Action& action) {
        long part = 0;
        const HRESULT checked = Part(child, part);
        if (checked != S_OK) {
            return checked;
        }
        try {
            return action(part);
        } catch (...) {
            return E_FAIL;
        }
    }
    static HRESULT Nothing(BSTR* text) {
        if (text != nullptr) {
            *text = nullptr;
        }
        return S_FALSE;
    }

    LONG references_ = 1;
    AccessibleSource* source_;
};

AccessibleAnswer::~AccessibleAnswer() {
    if (object_ != nullptr) {
        object_->Disconnect();
        object_->Release();
    }
}

LRESULT AccessibleAnswer::Answer(WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) {
        return 0;
    }
    if (object_ == nullptr) {
        object_ = new AccessibleObject(source_);
    }
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, object_);
    return result > 0 ? result : 0;
}

void AccessibleControl::Attach(HWND window, std::wstring name, long role, long state) {
    SetWindow(window);
    name_ = std::move(name);
    role_ = role;
    state_ = state;
    Detach();
    SetLastError(0);
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AccessibleControl::Procedure)));
    if (original == nullptr && GetLastError() != 0) {
        throw Error(std::string(kCannotCreateWindow));
    }
    HookedWindows().push_back(HookedWindow{window, original, this});
}

void AccessibleControl::Detach() {
    auto& hooked = HookedWindows();
    for (HookedWindow& entry : hooked) {
        if (entry.Control == this) {
            // The window's own procedure goes back in place unless another was put in front of ours since;
            // then ours stays, and only passes messages on.
            entry.Control = nullptr;
            if (IsWindow(entry.Window) && GetWindowLongPtrW(entry.Window, GWLP_WNDPROC) ==
                                              reinterpret_cast<LONG_PTR>(&AccessibleControl::Procedure)) {
                SetWindowLongPtrW(entry.Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry.Original));
                entry.Window = nullptr;
            }
        }
    }
    std::erase_if(hooked, [](const HookedWindow& entry) { return entry.Window == nullptr; });
}

std::wstring AccessibleControl::Name(long) const {
    return name_;
}

std::wstring AccessibleControl::Value(long) const {
    return ValueOf ? ValueOf() : WindowText(Window());
}

long AccessibleControl::Role(long) const {
    return role_;
}

long AccessibleControl::State(long) const {
    return state_ | (StateOf ? StateOf() : 0);
}

std::wstring AccessibleControl::DefaultAction(long) const {
    return DefaultActionOf && OnDefaultAction ? DefaultActionOf() : std::wstring();
}

HRESULT AccessibleControl::DoDefaultAction(long) {
    if (!DefaultActionOf || !OnDefaultAction) {
        return DISP_E_MEMBERNOTFOUND;
    }
    OnDefaultAction();
    return S_OK;
}

RECT AccessibleControl::Location(long part) const {
    if (!Area) {
        return AccessibleSource::Location(part);
    }
    RECT area = Area();
    MapWindowPoints(Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

LRESULT CALLBACK AccessibleControl::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& hooked = HookedWindows();
    const auto entry = std::find_if(hooked.begin(), hooked.end(),
                                    [hwnd](const HookedWindow& hooked) { return hooked.Window == hwnd; });
    if (entry == hooked.end()) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    const WNDPROC original = entry->Original;
    if (message == WM_GETOBJECT && entry->Control != nullptr) {
        if (const LRESULT answered = entry->Control->answer_.Answer(wParam, lParam)) {
            return answered;
        }
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        hooked.erase(entry);
    }
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

void NotifyAccessibleFocus(HWND window, long part) {
    NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, part);
}

void NotifyAccessibleValue(HWND window) {
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

void NotifyAccessibleName(HWND window, long part) {
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, part);
}

}  // namespace tintrel
