#include "colour_targets.h"

#include "platform/win32/handles.h"

namespace tintavo::bench {
namespace {

constexpr wchar_t kClassName[] = L"TintavoBenchTarget";

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        const win32::PaintScope paint(window);
        const win32::unique_hbrush brush(
            ::CreateSolidBrush(static_cast<COLORREF>(::GetWindowLongPtrW(window, GWLP_USERDATA))));
        RECT client{};
        ::GetClientRect(window, &client);
        ::FillRect(paint.dc(), &client, brush.get());
        return 0;
    }
    default: return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

using unique_event = win32::UniqueHandle<HANDLE, &::CloseHandle>;

}  // namespace

ColourTargets::ColourTargets(const std::array<Target, 2>& targets, int size) : targets_(targets) {
    const unique_event ready(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    thread_ = std::thread([this, size, event = ready.get()] { Run(size, event); });
    ::WaitForSingleObject(ready.get(), INFINITE);
}

ColourTargets::~ColourTargets() {
    ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

void ColourTargets::Run(int size, HANDLE ready) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &TargetProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);

    std::array<HWND, 2> windows{};
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const POINT centre = targets_[i].centre;
        windows[i] = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, L"",
                                       WS_POPUP, centre.x - size / 2, centre.y - size / 2, size, size, nullptr,
                                       nullptr, instance, nullptr);
        ::SetWindowLongPtrW(windows[i], GWLP_USERDATA, static_cast<LONG_PTR>(targets_[i].colour));
        ::ShowWindow(windows[i], SW_SHOWNOACTIVATE);
    }
    // Creating the windows gave the thread its message queue, which the destructor posts to.
    threadId_ = ::GetCurrentThreadId();
    ::SetEvent(ready);

    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    for (const HWND window : windows) ::DestroyWindow(window);
}

}  // namespace tintavo::bench
