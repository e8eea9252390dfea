#include "standard_controls.h"

#include <cwchar>
#include <string>

#include "platform/win32/handles.h"
#include "window/layout.h"

namespace tintavo::bench {
namespace {

constexpr wchar_t kWindowClass[] = L"TintavoStandardControls";
constexpr wchar_t kSwatchClass[] = L"TintavoStandardSwatch";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int kDpi = 96;

HWND CreateChild(HWND parent, const wchar_t* windowClass, DWORD style, ControlId id) {
    const PixelBox box = PlaceControl(DesignOf(id), kDpi);
    return ::CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_VISIBLE | style, box.x, box.y, box.width, box.height,
                             parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

void RegisterClasses(WNDPROC swatchProc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassExW(&windowClass);
    windowClass.lpfnWndProc = swatchProc;
    windowClass.hbrBackground = nullptr;
    windowClass.lpszClassName = kSwatchClass;
    ::RegisterClassExW(&windowClass);
}

}  // namespace

StandardControls::StandardControls(POINT topLeft) {
    RegisterClasses(&StandardControls::SwatchProc);
    const PixelBox client = ClientAreaAt(kDpi);
    RECT frame{0, 0, client.width, client.height};
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    window_ = ::CreateWindowExW(WS_EX_TOPMOST, kWindowClass, L"standard controls", kStyle, topLeft.x, topLeft.y,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
    const std::array<ControlId, 3> boxIds{ControlId::kText1Red, ControlId::kText1Green, ControlId::kText1Blue};
    const std::array<ControlId, 3> barIds{ControlId::kHScroll1Red, ControlId::kHScroll1Green,
                                          ControlId::kHScroll1Blue};
    for (std::size_t i = 0; i < 3; ++i) {
        boxes_[i] = CreateChild(window_, L"EDIT", ES_AUTOHSCROLL | WS_BORDER, boxIds[i]);
        bars_[i] = CreateChild(window_, L"SCROLLBAR", SBS_HORZ, barIds[i]);
        ::SetScrollRange(bars_[i], SB_CTL, 0, 255, FALSE);
    }
    code_ = CreateChild(window_, L"EDIT", ES_AUTOHSCROLL, ControlId::kText2);
    swatch_ = CreateChild(window_, kSwatchClass, WS_BORDER, ControlId::kPicture2);
    ::SetWindowLongPtrW(swatch_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    ::UpdateWindow(window_);
}

StandardControls::~StandardControls() {
    if (window_) ::DestroyWindow(window_);
}

void StandardControls::Show(COLORREF colour) {
    if (colour == shown_) return;
    const std::array<int, 3> now{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    const std::array<int, 3> before{GetRValue(shown_), GetGValue(shown_), GetBValue(shown_)};
    const bool first = shown_ == CLR_INVALID;
    shown_ = colour;
    for (std::size_t i = 0; i < 3; ++i) {
        if (!first && now[i] == before[i]) continue;
        ::SetWindowTextW(boxes_[i], std::to_wstring(now[i]).c_str());
        ::SetScrollPos(bars_[i], SB_CTL, now[i], TRUE);
    }
    wchar_t code[8]{};
    std::swprintf(code, 8, L"#%02X%02X%02X", now[0], now[1], now[2]);
    ::SetWindowTextW(code_, code);
    ::InvalidateRect(swatch_, nullptr, FALSE);
}

LRESULT CALLBACK StandardControls::SwatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    const auto* self = reinterpret_cast<const StandardControls*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != WM_PAINT || !self) return ::DefWindowProcW(window, message, wParam, lParam);
    const win32::PaintScope paint(window);
    const win32::unique_hbrush brush(::CreateSolidBrush(self->shown_ == CLR_INVALID ? 0 : self->shown_));
    ::FillRect(paint.dc(), &paint.area(), brush.get());
    return 0;
}

}  // namespace tintavo::bench
