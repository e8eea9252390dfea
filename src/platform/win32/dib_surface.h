#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/forms/image_surface.h"
#include "platform/win32/handles.h"

namespace tintavo::win32 {

// A picture box's persistent image: a 32-bit top-down DIB section selected into a memory DC
// of its own, so pixels can be read straight from memory.
class DibSurface final : public ImageSurface {
public:
    DibSurface(int width, int height);
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    DcHandle Dc() const override { return reinterpret_cast<DcHandle>(dc_.get()); }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Fill(ColourValue colour) override;
    bool StretchFrom(const ImageSurface& source, PixelRect destination, PixelRect from) override;
    ColourValue PixelAt(int x, int y) const override;

    HDC dc() const { return dc_.get(); }

private:
    int width_;
    int height_;
    std::uint32_t* bits_ = nullptr;
    // The pixels before a stretch, kept to tell whether it changed anything.
    std::vector<std::uint32_t> before_;
    // Declared before the DC so that the DC, which holds it selected, goes first.
    unique_hbitmap bitmap_;
    unique_hdc dc_;
};

COLORREF ResolveColour(ColourValue colour);

}  // namespace tintavo::win32
