#include "platform/conversions.h"
#include "platform/window_dc.h"
#include "window/form1.h"

namespace tintavo {

void Form1::Timer1_Timer() {
    if (!Capturing) return;
    WindowsApi& api = platform_.Api();

    // A failed read leaves (0, 0): the screen's top-left pixel is sampled.
    CursorPoint cursor;
    api.GetCursorPos(cursor);

    // Normally no window holds the capture and this is the whole screen. A failed context or
    // copy leaves the buffer's previous pixel.
    const WindowHandle capture = api.GetCapture();
    WindowDc source(api, capture);
    const DcHandle buffer = Picture1.hDC();
    // The screen's size in twips is far larger than needed; the one-pixel buffer clips the copy
    // to the pixel under the cursor.
    const Screen& screen = platform_.GetScreen();
    const std::int32_t width = FloatToLong(screen.Width());
    const std::int32_t height = FloatToLong(screen.Height());
    api.BitBlt(buffer, 0, 0, width, height, source.get(), cursor.x, cursor.y, kSrcCopy);

    Picture2.PaintPicture(Picture1.Image(), 0, 0, Picture2.ScaleWidth(), Picture2.ScaleHeight(), 0, 0,
                          Picture1.ScaleWidth(), Picture1.ScaleHeight());
    source.Release();

    // Read back from the swatch's own image, never the screen, so nothing lying over the
    // swatch changes the colour.
    const float x = Picture2.Width() / 2;
    const float y = Picture2.Height() / 2;
    const auto colour = static_cast<std::uint32_t>(Picture2.Point(x, y));
    const std::uint32_t red = colour & 0xFF;
    const std::uint32_t green = (colour >> 8) & 0xFF;
    const std::uint32_t blue = (colour >> 16) & 0xFF;

    // Each write runs its Change cascade to the end before the next begins.
    Text1[0].SetText(IntegerToText(red));
    Text1[1].SetText(IntegerToText(green));
    Text1[2].SetText(IntegerToText(blue));
    ChangeH();
}

}  // namespace tintavo
