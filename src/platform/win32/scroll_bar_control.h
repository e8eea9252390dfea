#pragma once

#include "platform/forms/scroll_bar.h"
#include "platform/win32/child_control.h"

namespace tintavo::win32 {

// A horizontal SCROLLBAR control showing a scroll bar. The control handles the mouse and the
// arrow keys itself and reports them to the form as WM_HSCROLL.
class ScrollBarControl final : public ChildControl, private ScrollBar::View {
public:
    ScrollBarControl(HWND parent, int id, ScrollBar& model);
    ~ScrollBarControl() override { model_.AttachView(nullptr); }

    void OnScroll(WORD code);

private:
    void ShowValue(int value) override;

    ScrollBar& model_;
};

}  // namespace tintavo::win32
