#include "platform/headless/headless_platform.h"

#include <algorithm>

namespace tintavo::headless {
namespace {

// An image held as a pixel grid, drawn into through a memory device context of the fake.
class GridSurface final : public ImageSurface {
public:
    GridSurface(FakeWindowsApi& api, int width, int height)
        : api_(api), grid_(0, 0, width, height, 0), dc_(api.CreateMemoryDc(grid_)) {}
    ~GridSurface() override { api_.DeleteMemoryDc(dc_); }
    GridSurface(const GridSurface&) = delete;
    GridSurface& operator=(const GridSurface&) = delete;

    DcHandle Dc() const override { return dc_; }
    int Width() const override { return grid_.width; }
    int Height() const override { return grid_.height; }

    void Fill(ColourValue colour) override {
        std::fill(grid_.pixels.begin(), grid_.pixels.end(), ResolveSystemColour(colour));
    }

    bool StretchFrom(const ImageSurface& source, PixelRect destination, PixelRect from) override {
        api_.Record("StretchBlt", {dc_, destination.x, destination.y, destination.width, destination.height,
                                     source.Dc(), from.x, from.y, from.width, from.height});
        if (destination.width <= 0 || destination.height <= 0 || from.width <= 0 || from.height <= 0) return false;
        bool changed = false;
        // Nearest neighbour: each destination pixel takes the source pixel its position maps to.
        const bool onePixel = from.width == 1 && from.height == 1;
        const ColourValue single = onePixel && SourceContains(source, from.x, from.y) ? source.PixelAt(from.x, from.y) : 0;
        for (int y = std::max(destination.y, 0); y < std::min(destination.y + destination.height, Height()); ++y) {
            for (int x = std::max(destination.x, 0); x < std::min(destination.x + destination.width, Width()); ++x) {
                const int sx = from.x + (x - destination.x) * from.width / destination.width;
                const int sy = from.y + (y - destination.y) * from.height / destination.height;
                if (!SourceContains(source, sx, sy)) continue;
                const ColourValue colour = onePixel ? single : source.PixelAt(sx, sy);
                changed |= grid_.At(x, y) != colour;
                grid_.At(x, y) = colour;
            }
        }
        return changed;
    }

    ColourValue PixelAt(int x, int y) const override { return grid_.At(x, y); }

private:
    static bool SourceContains(const ImageSurface& source, int x, int y) {
        return x >= 0 && y >= 0 && x < source.Width() && y < source.Height();
    }

    FakeWindowsApi& api_;
    PixelGrid grid_;
    DcHandle dc_;
};

}  // namespace

ColourValue ResolveSystemColour(ColourValue colour) {
    if (!IsSystemColour(colour)) return colour;
    switch (static_cast<SystemColourIndex>(SystemColourIndexOf(colour))) {
    case SystemColourIndex::kWindow: return 0xFFFFFF;
    case SystemColourIndex::kWindowText: return 0x000000;
    case SystemColourIndex::kInactiveBorder: return 0xDBCDBF;
    case SystemColourIndex::kButtonFace: return 0xF0F0F0;
    case SystemColourIndex::kButtonText: return 0x000000;
    }
    return 0;
}

bool FakeClipboard::TryReplaceText(const std::u16string& text) {
    ++attempts_;
    if (heldAttempts_ > 0) {
        --heldAttempts_;
        return false;
    }
    formats_.clear();
    formats_["CF_UNICODETEXT"] = text;
    return true;
}

std::unique_ptr<ImageSurface> HeadlessPlatform::CreateSurface(int width, int height) {
    return std::make_unique<GridSurface>(api_, width, height);
}

}  // namespace tintavo::headless
