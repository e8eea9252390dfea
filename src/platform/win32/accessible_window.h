#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/handles.h"

namespace tintavo::win32 {

// What a window's accessible object says of itself in place of the standard object's answer.
// An empty answer keeps the standard one.
class AccessibleOverrides {
public:
    virtual ~AccessibleOverrides() = default;

    virtual std::optional<std::wstring> Name() const = 0;
    // A ROLE_SYSTEM_ constant.
    virtual std::optional<long> Role() const = 0;
    virtual std::optional<std::wstring> Value() const = 0;
    virtual std::optional<std::wstring> Description() const = 0;
    // STATE_SYSTEM_ flags added to the standard state.
    virtual long AddedStates() const = 0;
    virtual std::optional<std::wstring> DefaultAction() const = 0;
    // Starts the default action, only asked when DefaultAction gives one. It must return
    // promptly: the screen reader waits for the answer.
    virtual void DoDefaultAction() = 0;
};

class OverridingAccessible;

// Serves a window's accessible object to screen readers: WM_GETOBJECT for the client area is
// answered, through a window procedure put in front of the window's own, with one object that
// wraps the window's standard object and lets the overrides replace its answers about the
// window itself; other object ids get the default answer. Once this is destroyed, the object
// answers every client that still holds it with RPC_E_DISCONNECTED. The first request enters
// the thread into a COM single-threaded apartment, so that calls from other processes arrive
// through its message loop.
class AccessibleWindow {
public:
    AccessibleWindow(HWND window, AccessibleOverrides& overrides);
    ~AccessibleWindow();
    AccessibleWindow(const AccessibleWindow&) = delete;
    AccessibleWindow& operator=(const AccessibleWindow&) = delete;

    // Tells assistive tools of an event of the window's client area, such as
    // EVENT_OBJECT_VALUECHANGE.
    void Notify(DWORD event) const;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    // original: the window's own procedure, which answers when no object can be made.
    LRESULT OnGetObject(WNDPROC original, WPARAM wParam, LPARAM lParam);

    HWND window_;
    AccessibleOverrides& overrides_;
    unique_com_ptr<OverridingAccessible> object_;
};

}  // namespace tintavo::win32
