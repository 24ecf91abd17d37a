#include "tests/app/running_program_win.h"

namespace tintrel::testing_win {

namespace {

std::wstring Taken(BSTR text) {
    std::wstring copy = text != nullptr ? text : L"";
    SysFreeString(text);
    return copy;
}

}  // namespace

bool Eventually(const std::function<bool()>& holds, ULONGLONG timeout) {
    for (const ULONGLONG end = GetTickCount64() + timeout; GetTickCount64() < end; Sleep(10)) {
        if (holds()) {
            return true;
        }
    }
    return holds();
}

Described Describe(HWND window, long part) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return {};
    }
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = part;
    BSTR name = nullptr;
    BSTR value = nullptr;
    VARIANT role;
    VariantInit(&role);
    VARIANT state;
    VariantInit(&state);
    BSTR action = nullptr;
    long parts = -1;
    long at[4] = {};  // left, top, width, height
    object->get_accName(child, &name);
    object->get_accValue(child, &value);
    object->get_accRole(child, &role);
    object->get_accChildCount(&parts);
    object->accLocation(&at[0], &at[1], &at[2], &at[3], child);
    object->get_accState(child, &state);
    object->get_accDefaultAction(child, &action);
    object->Release();
    return {Taken(name), role.lVal,    Taken(value), parts, RECT{at[0], at[1], at[0] + at[2], at[1] + at[3]},
            state.lVal,  Taken(action)};
}

HRESULT ActOn(HWND window, long part, long selectFlags) {
    IAccessible* object = nullptr;
    const HRESULT found = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                     reinterpret_cast<void**>(&object));
    if (FAILED(found)) {
        return found;
    }
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = part;
    const HRESULT result = selectFlags == 0 ? object->accDoDefaultAction(child) : object->accSelect(selectFlags, child);
    object->Release();
    return result;
}

BOOL CALLBACK RunningProgram::FindMainWindow(HWND window, LPARAM self) {
    auto* program = reinterpret_cast<RunningProgram*>(self);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (owner == program->process_.dwProcessId && std::wstring(className) == L"TFMain") {
        program->mainWindow_ = window;
        return FALSE;
    }
    return TRUE;
}

HWND RunningProgram::TopWindow(const wchar_t* className) const {
    for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process_.dwProcessId && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace tintrel::testing_win
