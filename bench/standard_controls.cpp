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

// The picker's number box backgrounds: light red, green and blue.
constexpr std::array<COLORREF, 3> kBoxColours{RGB(255, 128, 128), RGB(128, 255, 128), RGB(128, 128, 255)};

HWND CreateChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD extendedStyle, ControlId id) {
    const PixelBox box = PlaceControl(DesignOf(id), kDpi);
    return ::CreateWindowExW(extendedStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style, box.x, box.y, box.width,
                             box.height, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

void SetFont(HWND control, const win32::unique_hfont& font) {
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
}

void RegisterClasses(WNDPROC windowProc, WNDPROC swatchProc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
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

StandardControls::StandardControls(POINT topLeft, Look look) : look_(look) {
    RegisterClasses(&StandardControls::WindowProc, &StandardControls::SwatchProc);
    const PixelBox client = ClientAreaAt(kDpi);
    RECT frame{0, 0, client.width, client.height};
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    window_ = ::CreateWindowExW(WS_EX_TOPMOST, kWindowClass, L"standard controls", kStyle, topLeft.x, topLeft.y,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
    CreateControls();
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    ::UpdateWindow(window_);
}

StandardControls::StandardControls(HWND parent, Look look) : look_(look) {
    RegisterClasses(&StandardControls::WindowProc, &StandardControls::SwatchProc);
    const PixelBox client = ClientAreaAt(kDpi);
    window_ = ::CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, client.width,
                                client.height, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    CreateControls();
}

void StandardControls::CreateControls() {
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const bool picker = look_ == Look::kPicker;
    if (picker) fonts_ = win32::CreateFontSet(kDpi);
    const std::array<ControlId, 3> boxIds{ControlId::kText1Red, ControlId::kText1Green, ControlId::kText1Blue};
    const std::array<ControlId, 3> barIds{ControlId::kHScroll1Red, ControlId::kHScroll1Green,
                                          ControlId::kHScroll1Blue};
    for (std::size_t i = 0; i < 3; ++i) {
        boxes_[i] = CreateChild(window_, L"EDIT", ES_AUTOHSCROLL | (picker ? 0 : WS_BORDER),
                                picker ? WS_EX_CLIENTEDGE : 0, boxIds[i]);
        bars_[i] = CreateChild(window_, L"SCROLLBAR", SBS_HORZ, 0, barIds[i]);
        ::SetScrollRange(bars_[i], SB_CTL, 0, 255, FALSE);
        if (!picker) continue;
        boxBrushes_[i].reset(::CreateSolidBrush(kBoxColours[i]));
        SetFont(boxes_[i], fonts_.userInterface);
    }
    code_ = CreateChild(window_, L"EDIT", ES_AUTOHSCROLL, 0, ControlId::kText2);
    if (picker) SetFont(code_, fonts_.caption);
    swatch_ = CreateChild(window_, kSwatchClass, WS_BORDER, 0, ControlId::kPicture2);
    ::SetWindowLongPtrW(swatch_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
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

HBRUSH StandardControls::BoxColours(HWND box, HDC dc) const {
    if (look_ == Look::kPlain) return nullptr;
    if (box == code_) {
        ::SetTextColor(dc, RGB(255, 255, 255));
        ::SetBkColor(dc, RGB(0, 0, 0));
        return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    }
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (box != boxes_[i]) continue;
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        ::SetBkColor(dc, kBoxColours[i]);
        return boxBrushes_[i].get();
    }
    return nullptr;
}

LRESULT CALLBACK StandardControls::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    const auto* self = reinterpret_cast<const StandardControls*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_CTLCOLOREDIT && self) {
        if (const HBRUSH brush = self->BoxColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
            return reinterpret_cast<LRESULT>(brush);
        }
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
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
