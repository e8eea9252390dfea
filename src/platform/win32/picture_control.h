#pragma once

#include "platform/forms/picture_box.h"
#include "platform/win32/child_control.h"

namespace tintavo::win32 {

// A window of our own class that paints a picture box's persistent image and reports its
// mouse presses. Like the picture boxes users know, it takes the mouse capture on a press.
// A picture that is a tab stop shows the focus rectangle while it has the focus and the
// keyboard cues are on.
class PictureControl final : public ChildControl, private PictureBox::View {
public:
    static constexpr wchar_t kClassName[] = L"TintavoPicture";
    static void RegisterClass(HINSTANCE instance);

    // style: WS_BORDER, WS_TABSTOP, or neither.
    PictureControl(HWND parent, int id, PictureBox& model, DWORD style);
    ~PictureControl() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnButtonDown(std::int16_t button, WPARAM keys, LPARAM at);

    void Repaint() override;

    PictureBox& model_;
};

}  // namespace tintavo::win32
