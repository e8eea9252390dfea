#include "platform/win32/child_control.h"

#include "platform/win32/dib_surface.h"

namespace tintavo::win32 {

ColourScheme::ColourScheme(ColourValue background, ColourValue text) : background_(background), text_(text) {
    if (!IsSystemColour(background)) ownBrush_.reset(::CreateSolidBrush(ResolveColour(background)));
}

HBRUSH ColourScheme::Apply(HDC dc) const {
    ::SetTextColor(dc, ResolveColour(text_));
    ::SetBkColor(dc, ResolveColour(background_));
    return ownBrush_ ? ownBrush_.get() : ::GetSysColorBrush(SystemColourIndexOf(background_));
}

ChildControl::ChildControl(HWND parent, int id, const wchar_t* windowClass, DWORD style, DWORD extendedStyle)
    : id_(id),
      hwnd_(::CreateWindowExW(extendedStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0,
                              0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              ::GetModuleHandleW(nullptr), nullptr)) {}

void ChildControl::Place(const PixelRect& box) const {
    ::SetWindowPos(hwnd_, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ChildControl::SetFont(HFONT font) const { ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

}  // namespace tintavo::win32
