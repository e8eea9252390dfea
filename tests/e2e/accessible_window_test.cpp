// The accessible object that AccessibleWindow serves, checked in its own process under Wine:
// what the overrides replace and what stays standard, the default answer for other object ids,
// and an object that a client still holds once the window is gone. Prints one line a check
// and exits 1 if one failed.
#include <windows.h>
#include <initguid.h>
#include <oleacc.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/win32/accessible_window.h"

namespace {

using tintavo::win32::AccessibleOverrides;
using tintavo::win32::AccessibleWindow;
using tintavo::win32::unique_com_apartment;
using tintavo::win32::unique_com_ptr;

int gFailed = 0;

void Check(bool passed, const char* what) {
    std::printf("%s %s\n", passed ? "ok  " : "FAIL", what);
    if (!passed) ++gFailed;
}

struct Overrides final : AccessibleOverrides {
    std::optional<std::wstring> Name() const override { return L"a name"; }
    std::optional<long> Role() const override { return ROLE_SYSTEM_LINK; }
    std::optional<std::wstring> Value() const override { return std::nullopt; }
    std::optional<std::wstring> Description() const override { return std::nullopt; }
    long AddedStates() const override { return STATE_SYSTEM_INVISIBLE; }
    std::optional<std::wstring> DefaultAction() const override { return L"press"; }
    void DoDefaultAction() override { ++actions; }
    int actions = 0;
};

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, BSTR*), IAccessible* object) {
    BSTR text = nullptr;
    if ((object->*read)(Self(), &text) != S_OK) return L"(none)";
    const tintavo::win32::unique_bstr owned(text);
    return std::wstring(text, SysStringLen(text));
}

unique_com_ptr<IAccessible> ObjectOf(HWND window, LONG id) {
    unique_com_ptr<IAccessible> object;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(id), IID_IAccessible, object.put_void());
    return object;
}

}  // namespace

int wmain() {
    const unique_com_apartment com;
    const HWND window = CreateWindowExW(0, L"STATIC", L"caption", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    Overrides overrides;
    auto served = std::make_unique<AccessibleWindow>(window, overrides);

    const unique_com_ptr<IAccessible> object = ObjectOf(window, OBJID_CLIENT);
    Check(static_cast<bool>(object), "the window gives an object for its client area");
    if (!object) return 1;
    Check(Text(&IAccessible::get_accName, object.get()) == L"a name", "the name is the overrides'");
    VARIANT role{};
    object->get_accRole(Self(), &role);
    Check(role.vt == VT_I4 && role.lVal == ROLE_SYSTEM_LINK, "the role is the overrides'");
    VARIANT state{};
    object->get_accState(Self(), &state);
    Check(state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_INVISIBLE) != 0, "the added state is set");
    Check(Text(&IAccessible::get_accDefaultAction, object.get()) == L"press", "the default action is the overrides'");
    Check(object->accDoDefaultAction(Self()) == S_OK && overrides.actions == 1, "the default action runs once");
    Check(Text(&IAccessible::get_accValue, object.get()) == L"(none)", "a value left empty stays the standard one");
    HWND found = nullptr;
    Check(WindowFromAccessibleObject(object.get(), &found) == S_OK && found == window,
          "the object tells its window");

    Check(SendMessageW(window, WM_GETOBJECT, 0, static_cast<DWORD>(OBJID_WINDOW)) == 0,
          "another object id gets the default answer");

    served.reset();
    DestroyWindow(window);
    BSTR name = nullptr;
    Check(object->get_accName(Self(), &name) == RPC_E_DISCONNECTED && name == nullptr,
          "an object held past the window's end answers RPC_E_DISCONNECTED");
    Check(object->accDoDefaultAction(Self()) == RPC_E_DISCONNECTED && overrides.actions == 1,
          "and runs no action");
    return gFailed == 0 ? 0 : 1;
}
