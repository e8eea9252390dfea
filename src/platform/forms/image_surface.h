#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/colour_value.h"
#include "platform/windows_api.h"

namespace tintavo {

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The part two rectangles share; empty (width 0) when they share none.
inline PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

// The persistent image behind a picture box: a bitmap with a device context of its own that
// keeps whatever is drawn into it. Sizes and coordinates are physical pixels.
class ImageSurface {
public:
    virtual ~ImageSurface() = default;

    virtual DcHandle Dc() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Paints the whole image in a colour; a system colour is taken from the desktop's scheme.
    virtual void Fill(ColourValue colour) = 0;
    // Stretches a rectangle of another image over a rectangle of this one; true when any pixel
    // of this image changed.
    virtual bool StretchFrom(const ImageSurface& source, PixelRect destination, PixelRect from) = 0;
    // The colour at a point inside the image.
    virtual ColourValue PixelAt(int x, int y) const = 0;
};

class SurfaceFactory {
public:
    virtual ~SurfaceFactory() = default;
    virtual std::unique_ptr<ImageSurface> CreateSurface(int width, int height) = 0;
};

}  // namespace tintavo
