#include "platform/win32/picture_control.h"

#include <windowsx.h>

#include "platform/win32/dib_surface.h"
#include "platform/win32/fatal_error.h"

namespace tintavo::win32 {
namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kMiddleButton = 4;

// The shift state of a mouse event: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftState(WPARAM keys) {
    std::int16_t shift = 0;
    if (keys & MK_SHIFT) shift |= 1;
    if (keys & MK_CONTROL) shift |= 2;
    if (::GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

}  // namespace

void PictureControl::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &PictureControl::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);
}

PictureControl::PictureControl(HWND parent, int id, PictureBox& model, DWORD style)
    : ChildControl(parent, id, kClassName, style, 0), model_(model) {
    ::SetWindowLongPtrW(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    model_.AttachView(this);
}

PictureControl::~PictureControl() {
    model_.AttachView(nullptr);
    if (::IsWindow(hwnd())) ::SetWindowLongPtrW(hwnd(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK PictureControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<PictureControl*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || FatalErrorInProgress()) return ::DefWindowProcW(window, message, wParam, lParam);
    return Guarded([&] { return self->Handle(message, wParam, lParam); });
}

LRESULT PictureControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        ::InvalidateRect(hwnd(), nullptr, FALSE);
        return ::DefWindowProcW(hwnd(), message, wParam, lParam);
    case WM_LBUTTONDOWN: OnButtonDown(kLeftButton, wParam, lParam); return 0;
    case WM_RBUTTONDOWN: OnButtonDown(kRightButton, wParam, lParam); return 0;
    case WM_MBUTTONDOWN: OnButtonDown(kMiddleButton, wParam, lParam); return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (::GetCapture() == hwnd()) ::ReleaseCapture();
        // The default procedure turns a right button's release into WM_CONTEXTMENU for the parent.
        return ::DefWindowProcW(hwnd(), message, wParam, lParam);
    default: return ::DefWindowProcW(hwnd(), message, wParam, lParam);
    }
}

void PictureControl::OnPaint() {
    PaintScope paint(hwnd());
    const auto& image = static_cast<const DibSurface&>(model_.Image());
    ::BitBlt(paint.dc(), 0, 0, image.Width(), image.Height(), image.dc(), 0, 0, SRCCOPY);
    const bool cuesHidden = (::SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
    if (::GetFocus() == hwnd() && !cuesHidden) {
        RECT client{};
        ::GetClientRect(hwnd(), &client);
        ::DrawFocusRect(paint.dc(), &client);
    }
}

void PictureControl::OnButtonDown(std::int16_t button, WPARAM keys, LPARAM at) {
    ::SetCapture(hwnd());
    // The press is reported in twips at the DPI the window is laid out for.
    const float twipsPerPixel = 1440.0f / static_cast<float>(::GetDpiForWindow(hwnd()));
    model_.MouseDown.Raise(button, ShiftState(keys), static_cast<float>(GET_X_LPARAM(at)) * twipsPerPixel,
                           static_cast<float>(GET_Y_LPARAM(at)) * twipsPerPixel);
}

void PictureControl::Repaint() { ::InvalidateRect(hwnd(), nullptr, FALSE); }

}  // namespace tintavo::win32
