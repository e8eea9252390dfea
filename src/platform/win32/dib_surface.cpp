#include "platform/win32/dib_surface.h"

#include <algorithm>

namespace tintavo::win32 {

COLORREF ResolveColour(ColourValue colour) {
    return IsSystemColour(colour) ? ::GetSysColor(SystemColourIndexOf(colour)) : static_cast<COLORREF>(colour);
}

namespace {

HBITMAP CreateTopDownDib(int width, int height, std::uint32_t*& bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    bits = static_cast<std::uint32_t*>(memory);
    return bitmap;
}

// A colour as a pixel of the DIB holds it.
std::uint32_t Bgra(COLORREF colour) {
    return static_cast<std::uint32_t>(GetBValue(colour) | GetGValue(colour) << 8 | GetRValue(colour) << 16);
}

}  // namespace

DibSurface::DibSurface(int width, int height)
    : width_(width), height_(height), bitmap_(CreateTopDownDib(width, height, bits_)),
      dc_(::CreateCompatibleDC(nullptr)) {
    ::SelectObject(dc_.get(), bitmap_.get());
}

void DibSurface::Fill(ColourValue colour) {
    if (!bits_) return;
    // Straight into the pixels: the swatch is filled several times while a new colour arrives.
    ::GdiFlush();
    std::fill(bits_, bits_ + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              Bgra(ResolveColour(colour)));
}

bool DibSurface::StretchFrom(const ImageSurface& source, PixelRect destination, PixelRect from) {
    if (!bits_) return false;
    const std::size_t count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    ::GdiFlush();
    // One pixel over the whole image, as each sampling tick does: a fill, which on a steady
    // colour finds every pixel as it is and leaves it.
    if (from.x == 0 && from.y == 0 && from.width == 1 && from.height == 1 && source.Width() == 1 &&
        source.Height() == 1 && destination.x == 0 && destination.y == 0 && destination.width == width_ &&
        destination.height == height_) {
        const std::uint32_t bgra = Bgra(static_cast<COLORREF>(source.PixelAt(0, 0)));
        if (std::all_of(bits_, bits_ + count, [bgra](std::uint32_t pixel) { return (pixel & 0xFFFFFF) == bgra; })) {
            return false;
        }
        std::fill(bits_, bits_ + count, bgra);
        return true;
    }
    before_.assign(bits_, bits_ + count);
    const HDC sourceDc = reinterpret_cast<HDC>(source.Dc());
    ::SetStretchBltMode(dc_.get(), COLORONCOLOR);
    ::StretchBlt(dc_.get(), destination.x, destination.y, destination.width, destination.height, sourceDc, from.x,
                 from.y, from.width, from.height, SRCCOPY);
    ::GdiFlush();
    return !std::equal(before_.begin(), before_.end(), bits_);
}

ColourValue DibSurface::PixelAt(int x, int y) const {
    if (!bits_) return 0;
    // Drawing through GDI may still be queued; the memory must hold it before it is read.
    ::GdiFlush();
    const std::uint32_t bgra = bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                     static_cast<std::size_t>(x)];
    const std::uint32_t red = (bgra >> 16) & 0xFF;
    const std::uint32_t green = (bgra >> 8) & 0xFF;
    const std::uint32_t blue = bgra & 0xFF;
    return static_cast<ColourValue>(red | green << 8 | blue << 16);
}

}  // namespace tintavo::win32
