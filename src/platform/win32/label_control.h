#pragma once

#include "platform/forms/label.h"
#include "platform/win32/child_control.h"

namespace tintavo::win32 {

// A STATIC control showing a label, centred unless told otherwise, subclassed for the label's
// mouse events. A link label shows the hand cursor.
class LabelControl final : public ChildControl, private Label::View {
public:
    enum class Kind { kCaption, kLink };

    // textStyle: the STATIC's SS_ style of its text.
    LabelControl(HWND parent, int id, Label& model, Kind kind, DWORD textStyle = SS_CENTER);
    ~LabelControl() override;

    // The fonts for the label without and with underline.
    void SetFonts(HFONT regular, HFONT underlined);

    // Raises Click from the thread's message loop, as a screen reader's default action asks:
    // the reader's call returns at once, and the click runs as one from the mouse does.
    void PostClick() const { ::PostMessageW(hwnd(), kPostedClick, 0, 0); }

private:
    static constexpr UINT kPostedClick = WM_APP + 1;

    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnButtonDown(UINT message);
    void OnButtonUp(UINT message, LPARAM lParam);

    void ShowCaption(const std::u16string& caption) override;
    void ShowUnderline(bool underline) override;

    Label& model_;
    Kind kind_;
    WNDPROC staticProc_ = nullptr;
    HFONT regular_ = nullptr;
    HFONT underlined_ = nullptr;
    // The button that went down over the label and is held; a click needs its release.
    UINT pressedButtonUp_ = 0;
    static constexpr DWORD kNoPosition = 0xFFFFFFFF;
    // Where the label gave the capture back, as GetMessagePos reports it.
    DWORD releasedAt_ = kNoPosition;
};

}  // namespace tintavo::win32
