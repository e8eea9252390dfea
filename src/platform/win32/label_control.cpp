#include "platform/win32/label_control.h"

#include <windowsx.h>

#include "platform/win32/fatal_error.h"
#include "platform/win32/text.h"

namespace tintavo::win32 {

LabelControl::LabelControl(HWND parent, int id, Label& model, Kind kind, DWORD textStyle)
    : ChildControl(parent, id, L"STATIC", textStyle | SS_NOTIFY, 0), model_(model), kind_(kind) {
    ::SetWindowLongPtrW(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    staticProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LabelControl::SubclassProc)));
    model_.AttachView(this);
}

LabelControl::~LabelControl() {
    model_.AttachView(nullptr);
    if (::IsWindow(hwnd())) ::SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(staticProc_));
}

void LabelControl::SetFonts(HFONT regular, HFONT underlined) {
    regular_ = regular;
    underlined_ = underlined;
    SetFont(model_.FontUnderline() && underlined_ ? underlined_ : regular_);
}

LRESULT CALLBACK LabelControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<LabelControl*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (FatalErrorInProgress()) return ::CallWindowProcW(self->staticProc_, window, message, wParam, lParam);
    return Guarded([&] { return self->Handle(message, wParam, lParam); });
}

LRESULT LabelControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: {
        // Wine follows ReleaseCapture with a move that did not move; the underline that the
        // release took away comes back only with real motion.
        const DWORD position = ::GetMessagePos();
        const bool afterRelease = position == releasedAt_;
        releasedAt_ = kNoPosition;
        if (!afterRelease) model_.MouseMove.Raise();
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: OnButtonDown(message); return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP: OnButtonUp(message, lParam); return 0;
    case WM_RBUTTONUP:
        OnButtonUp(message, lParam);
        // The default procedure then asks the parent for a context menu (WM_CONTEXTMENU).
        break;
    case WM_CAPTURECHANGED: pressedButtonUp_ = 0; return 0;
    case kPostedClick: model_.Click.Raise(); return 0;
    case WM_SETCURSOR:
        if (kind_ == Kind::kLink) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    default: break;
    }
    return ::CallWindowProcW(staticProc_, hwnd(), message, wParam, lParam);
}

void LabelControl::OnButtonDown(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: pressedButtonUp_ = WM_LBUTTONUP; break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: pressedButtonUp_ = WM_RBUTTONUP; break;
    default: pressedButtonUp_ = WM_MBUTTONUP; break;
    }
    // Held so that the release reaches the label wherever the pointer then is.
    ::SetCapture(hwnd());
}

void LabelControl::OnButtonUp(UINT message, LPARAM lParam) {
    const bool pressedHere = pressedButtonUp_ == message;
    pressedButtonUp_ = 0;
    if (::GetCapture() == hwnd()) {
        releasedAt_ = ::GetMessagePos();
        ::ReleaseCapture();
    }
    model_.MouseUp.Raise();
    RECT area{};
    ::GetClientRect(hwnd(), &area);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // A click is a left or right press and release over the label.
    if (pressedHere && message != WM_MBUTTONUP && ::PtInRect(&area, at)) model_.Click.Raise();
}

void LabelControl::ShowCaption(const std::u16string& caption) { ::SetWindowTextW(hwnd(), ToWide(caption).c_str()); }

void LabelControl::ShowUnderline(bool underline) {
    if (regular_) SetFont(underline && underlined_ ? underlined_ : regular_);
}

}  // namespace tintavo::win32
