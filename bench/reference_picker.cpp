// The reference the benchmark holds the picker against: a window whose 100 ms timer reads
// the pixel under the cursor and does nothing else. Enter holds and resumes the sampling,
// as in the picker. The title turns into the colour code of the first pixel read after a
// start or a resume, and into "held" on a hold, so that another process can tell. Started
// with "controls", it also shows the pixel in the picker's standard controls dressed as the
// picker's, each updated once when the colour changes, with the focus in the red box, whose
// caret blinks as the picker's does.
#include <windows.h>

#include <cwchar>
#include <optional>

#include "screen_pixel.h"
#include "standard_controls.h"

namespace {

constexpr wchar_t kClassName[] = L"TintavoReferencePicker";
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kIntervalMs = 100;
// The picker's client area at 96 DPI.
constexpr int kClientWidth = 288;
constexpr int kClientHeight = 153;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct Picker {
    tintavo::bench::ScreenPixel pixel;
    bool sampling = true;
    bool announced = false;
    std::optional<tintavo::bench::StandardControls> controls;
    HWND box = nullptr;
};

void OnTimer(HWND window, Picker& picker) {
    if (!picker.sampling) return;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const COLORREF colour = picker.pixel.Read(cursor);
    if (picker.controls) picker.controls->Show(colour);
    if (picker.announced) return;
    picker.announced = true;
    wchar_t code[8]{};
    std::swprintf(code, 8, L"#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    ::SetWindowTextW(window, code);
}

void OnEnter(HWND window, Picker& picker) {
    picker.sampling = !picker.sampling;
    picker.announced = false;
    if (!picker.sampling) ::SetWindowTextW(window, L"held");
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* picker = reinterpret_cast<Picker*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!picker) return ::DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_TIMER:
        if (wParam == kTimerId) OnTimer(window, *picker);
        return 0;
    case WM_KEYDOWN:
        if (wParam != VK_RETURN) break;
        OnEnter(window, *picker);
        return 0;
    case WM_SETFOCUS:
        if (picker->box) ::SetFocus(picker->box);
        return 0;
    case WM_DESTROY:
        ::KillTimer(window, kTimerId);
        picker->controls.reset();
        ::PostQuitMessage(0);
        return 0;
    default: break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    Picker picker;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);

    RECT frame{0, 0, kClientWidth, kClientHeight};
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const HWND window = ::CreateWindowExW(WS_EX_TOPMOST, kClassName, L"reference", kStyle, CW_USEDEFAULT,
                                          CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                          nullptr, nullptr, instance, &picker);
    if (!window) return 1;
    if (std::wcscmp(commandLine, L"controls") == 0) {
        picker.box = picker.controls.emplace(window, tintavo::bench::StandardControls::Look::kPicker).RedBox();
    }
    ::ShowWindow(window, SW_SHOW);
    ::SetTimer(window, kTimerId, kIntervalMs, nullptr);

    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Enter reaches the window whichever of its windows has the focus, as in the picker.
        if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && message.hwnd == picker.box) {
            message.hwnd = window;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
