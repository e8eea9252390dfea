#include "platform/win32/scroll_bar_control.h"

namespace tintavo::win32 {

ScrollBarControl::ScrollBarControl(HWND parent, int id, ScrollBar& model)
    : ChildControl(parent, id, L"SCROLLBAR", WS_TABSTOP | SBS_HORZ, 0), model_(model) {
    ::SetScrollRange(hwnd(), SB_CTL, model.range().min, model.range().max, FALSE);
    model_.AttachView(this);
}

void ScrollBarControl::OnScroll(WORD code) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    ::GetScrollInfo(hwnd(), SB_CTL, &info);
    switch (code) {
    case SB_LINELEFT: model_.Scroll(ScrollRequest::kLineLeft, 0); break;
    case SB_LINERIGHT: model_.Scroll(ScrollRequest::kLineRight, 0); break;
    case SB_PAGELEFT: model_.Scroll(ScrollRequest::kPageLeft, 0); break;
    case SB_PAGERIGHT: model_.Scroll(ScrollRequest::kPageRight, 0); break;
    case SB_LEFT: model_.Scroll(ScrollRequest::kToMin, 0); break;
    case SB_RIGHT: model_.Scroll(ScrollRequest::kToMax, 0); break;
    case SB_THUMBTRACK: model_.Scroll(ScrollRequest::kThumbTrack, info.nTrackPos); break;
    case SB_THUMBPOSITION: model_.Scroll(ScrollRequest::kThumbRelease, info.nTrackPos); break;
    default: break;
    }
}

// Redrawn at once: the forms layer shows each scroll bar once per message, and under Wine's theme
// a redraw here costs less than the whole paint that an invalidated scroll bar gets later.
void ScrollBarControl::ShowValue(int value) { ::SetScrollPos(hwnd(), SB_CTL, value, TRUE); }

}  // namespace tintavo::win32
