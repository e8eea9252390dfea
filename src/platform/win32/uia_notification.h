#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/handles.h"

struct IRawElementProviderSimple;

namespace tintavo::win32 {

// UI Automation's notification, which a screen reader reads out at once (Windows 10 version 1709
// and later). uiautomationcore.dll and the function are looked up at the first use, never
// imported, so the program still starts where they are missing, as on older Windows and Wine 8.
class UiaNotification {
public:
    // Announces the text on behalf of the window's element. False when the system offers no
    // such notification or it failed.
    bool Raise(HWND element, const std::wstring& text, const std::wstring& activityId);

private:
    using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
    // UiaRaiseNotificationEvent; the two enumerations go as int.
    using RaiseNotificationEvent = HRESULT(WINAPI*)(IRawElementProviderSimple*, int kind, int processing,
                                                    BSTR text, BSTR activityId);

    void Load();

    bool loaded_ = false;
    unique_hmodule module_;
    HostProviderFromHwnd hostProviderFromHwnd_ = nullptr;
    RaiseNotificationEvent raiseNotificationEvent_ = nullptr;
};

}  // namespace tintavo::win32
