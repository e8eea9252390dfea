#include "window/win32/magnifier_window.h"

#include <utility>

#include "magnifier/placement.h"
#include "platform/win32/fatal_error.h"
#include "platform/win32/handles.h"
#include "window/win32/window_rects.h"

namespace tintavo::win32 {
namespace {

constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kWindowExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;

SIZE WindowSizeFor(int dpi) {
    const int side = MagnifiedSquareSize(dpi) * kMagnifiedSide;
    RECT frame{0, 0, side, side};
    ::AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, kWindowExStyle, static_cast<UINT>(dpi));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

void MagnifierWindow::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &MagnifierWindow::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);
}

MagnifierWindow::MagnifierWindow(Platform& platform, HINSTANCE instance, HWND owner, CursorPoint centre)
    : magnifier_(platform), owner_(owner) {
    magnifier_.Follow(centre);
    const auto placeAt = [owner](int atDpi) {
        const SIZE size = WindowSizeFor(atDpi);
        return PlaceMagnifier(FrameOf(owner), size.cx, size.cy, WorkAreaOf(owner));
    };
    int dpi = static_cast<int>(::GetDpiForWindow(owner));
    square_ = MagnifiedSquareSize(dpi);
    PixelRect place = placeAt(dpi);
    ::CreateWindowExW(kWindowExStyle, kClassName, L"拡大鏡", kWindowStyle, place.x, place.y, place.width,
                      place.height, owner, nullptr, instance, this);
    if (!hwnd_) return;
    // Placed on a monitor of another DPI than the picker's, it takes that monitor's size.
    dpi = static_cast<int>(::GetDpiForWindow(hwnd_));
    if (MagnifiedSquareSize(dpi) != square_) {
        square_ = MagnifiedSquareSize(dpi);
        place = placeAt(dpi);
    }
    ::SetWindowPos(hwnd_, HWND_TOPMOST, place.x, place.y, place.width, place.height,
                   SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

MagnifierWindow::~MagnifierWindow() {
    // The owner's end destroys an owned window first; then nothing is left to do here.
    if (hwnd_) ::DestroyWindow(hwnd_);
}

void MagnifierWindow::FrameSide(int side) {
    framedSide_ = side;
    if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void MagnifierWindow::AfterTick(bool sampling, CursorPoint sampled) {
    if (hwnd_ && magnifier_.AfterTick(sampling, sampled)) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT CALLBACK MagnifierWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MagnifierWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MagnifierWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || FatalErrorInProgress()) return ::DefWindowProcW(window, message, wParam, lParam);
    return Guarded([&] { return self->Handle(message, wParam, lParam); });
}

LRESULT MagnifierWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_NCDESTROY: return OnNcDestroy(wParam, lParam);
    default: return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void MagnifierWindow::OnPaint() {
    PaintScope paint(hwnd_);
    const int side = square_ * kMagnifiedSide;
    // Nearest neighbour: every screen pixel becomes a square of one colour.
    ::SetStretchBltMode(paint.dc(), COLORONCOLOR);
    ::StretchBlt(paint.dc(), 0, 0, side, side, reinterpret_cast<HDC>(magnifier_.Picture().Dc()), 0, 0,
                 kMagnifiedSide, kMagnifiedSide, SRCCOPY);
    // The frame lies on the framed block's own outermost pixels.
    const int first = (kMagnifiedCentre - framedSide_ / 2) * square_;
    const int framed = framedSide_ * square_;
    const RECT frame{first, first, first + framed, first + framed};
    const int brush = magnifier_.FrameColour() == 0 ? BLACK_BRUSH : WHITE_BRUSH;
    ::FrameRect(paint.dc(), &frame, static_cast<HBRUSH>(::GetStockObject(brush)));
}

void MagnifierWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    square_ = MagnifiedSquareSize(dpi);
    const SIZE size = WindowSizeFor(dpi);
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void MagnifierWindow::OnClose() { ::PostMessageW(owner_, kClosedMessage, 0, 0); }

LRESULT MagnifierWindow::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    // Destroyed with its owner, or by the destructor: either way nothing is left to destroy.
    const HWND window = std::exchange(hwnd_, nullptr);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return ::DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

}  // namespace tintavo::win32
