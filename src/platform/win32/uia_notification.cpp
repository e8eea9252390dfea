#include "platform/win32/uia_notification.h"

#include <ole2.h>
#include <uiautomationcore.h>

namespace tintavo::win32 {
namespace {

// NotificationKind_ActionCompleted and NotificationProcessing_ImportantMostRecent.
constexpr int kActionCompleted = 2;
constexpr int kImportantMostRecent = 1;

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace

void UiaNotification::Load() {
    loaded_ = true;
    EnterComApartmentOnce();
    module_.reset(::LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!module_) return;
    // UI Automation keeps threads and objects of its own once used: the library stays loaded
    // until the process ends, whatever releases it.
    HMODULE pinned = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"uiautomationcore.dll", &pinned);
    hostProviderFromHwnd_ = Lookup<HostProviderFromHwnd>(module_.get(), "UiaHostProviderFromHwnd");
    raiseNotificationEvent_ = Lookup<RaiseNotificationEvent>(module_.get(), "UiaRaiseNotificationEvent");
}

bool UiaNotification::Raise(HWND element, const std::wstring& text, const std::wstring& activityId) {
    if (!loaded_) Load();
    if (!hostProviderFromHwnd_ || !raiseNotificationEvent_) return false;
    unique_com_ptr<IRawElementProviderSimple> provider;
    if (FAILED(hostProviderFromHwnd_(element, provider.put()))) return false;
    const unique_bstr displayed(ole::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
    const unique_bstr activity(ole::SysAllocStringLen(activityId.data(), static_cast<UINT>(activityId.size())));
    if (!displayed || !activity) return false;
    return SUCCEEDED(raiseNotificationEvent_(provider.get(), kActionCompleted, kImportantMostRecent, displayed.get(),
                                             activity.get()));
}

}  // namespace tintavo::win32
