#include "window/form1.h"

#include "window/layout.h"

namespace tintavo {
namespace {

constexpr std::int16_t kCarriageReturn = 13;
constexpr std::int16_t kLeftButton = 1;

PictureBox::Geometry PictureGeometry(ControlId id, int dpi) {
    const ControlDesign& design = DesignOf(id);
    const PixelBox box = PlaceControl(design, dpi);
    const int border = id == ControlId::kPicture2 ? kSwatchBorderPixels : 0;
    return {design.width, design.height, box.width - 2 * border, box.height - 2 * border, dpi};
}

}  // namespace

Form1::Form1(Platform& platform, int dpi)
    : Picture2(platform.Surfaces(), SystemColour(SystemColourIndex::kWindow),
               PictureGeometry(ControlId::kPicture2, dpi)),
      Picture1(platform.Surfaces(), SystemColour(SystemColourIndex::kInactiveBorder),
               PictureGeometry(ControlId::kPicture1, dpi)),
      platform_(platform) {
    Picture2.MouseDown.Handle([this](std::int16_t button, std::int16_t shift, float x, float y) {
        Picture2_MouseDown(button, shift, x, y);
    });
    Timer1.Tick.Handle([this] { Timer1_Timer(); });
    Label5.Click.Handle([this] { Label5_Click(); });
    Label5.MouseMove.Handle([this] { Label5_MouseMove(); });
    Label5.MouseUp.Handle([this] { Label5_MouseUp(); });
    for (int i = 0; i < 3; ++i) {
        Text1[i].Change.Handle([this, i] { Text1_Change(i); });
        HScroll1[i].Change.Handle([this, i] { HScroll1_Change(i); });
    }
}

ColourValue SwatchColour(const Form1& form) {
    return form.Picture2.Point(form.Picture2.Width() / 2, form.Picture2.Height() / 2);
}

void Form1::ChangeDpi(int dpi) {
    Picture2.Resize(PictureGeometry(ControlId::kPicture2, dpi));
    Picture1.Resize(PictureGeometry(ControlId::kPicture1, dpi));
}

void Form1::Form_Load() {
    platform_.Api().SetWindowPos(hWnd, kHwndTopmost, 0, 0, 0, 0, kSwpNoSize | kSwpNoMove | kSwpShowWindow);
    Capturing = true;
}

void Form1::Form_KeyPress(std::int16_t& KeyAscii) {
    if (KeyAscii != kCarriageReturn) return;
    if (!Capturing) {
        Capturing = true;
        Label4.SetCaption(std::u16string(kStatusSampling));
    } else {
        Capturing = false;
        Label4.SetCaption(std::u16string(kStatusHeld));
    }
}

void Form1::Picture2_MouseDown(std::int16_t Button, std::int16_t, float, float) {
    if (Button != kLeftButton) return;
    WindowsApi& api = platform_.Api();
    api.ReleaseCapture();
    // The window takes the press as one on its title bar and runs the system's move loop,
    // which returns when the button is released.
    api.SendMessageA(hWnd, kWmNcLButtonDown, kHtCaption, 0);
}

}  // namespace tintavo
