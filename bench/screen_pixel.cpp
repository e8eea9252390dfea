#include "screen_pixel.h"

namespace tintavo::bench {
namespace {

HBITMAP CreatePixelBitmap(std::uint32_t*& bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 1;
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    bits = static_cast<std::uint32_t*>(memory);
    return bitmap;
}

}  // namespace

ScreenPixel::ScreenPixel() : bitmap_(CreatePixelBitmap(bits_)), memory_(::CreateCompatibleDC(nullptr)) {
    ::SelectObject(memory_.get(), bitmap_.get());
}

COLORREF ScreenPixel::Read(POINT at) {
    {
        const win32::unique_hdc_window screen(nullptr, ::GetWindowDC(nullptr));
        ::BitBlt(memory_.get(), 0, 0, 1, 1, screen.get(), at.x, at.y, SRCCOPY);
    }
    if (!bits_) return CLR_INVALID;
    ::GdiFlush();
    const std::uint32_t bgra = *bits_;
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

}  // namespace tintavo::bench
