#include "magnifier/magnifier.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "colour/contrast.h"
#include "platform/window_dc.h"

namespace tintavo {
namespace {

constexpr ColourValue kBlack = 0x000000;
constexpr ColourValue kWhite = 0xFFFFFF;
constexpr int kSquareAt96Dpi = 9;

}  // namespace

int MagnifiedSquareSize(int dpi) { return (kSquareAt96Dpi * dpi + 48) / 96; }

ColourValue FrameColourFor(ColourValue colour) {
    const double luminance = RelativeLuminance(colour);
    const double againstBlack = (luminance + 0.05) / 0.05;
    const double againstWhite = 1.05 / (luminance + 0.05);
    return againstBlack >= againstWhite ? kBlack : kWhite;
}

Magnifier::Magnifier(Platform& platform)
    : platform_(platform), picture_(platform.Surfaces().CreateSurface(kMagnifiedSide, kMagnifiedSide)),
      reading_(platform.Surfaces().CreateSurface(kMagnifiedSide, kMagnifiedSide)) {
    picture_->Fill(kBlack);
}

bool Magnifier::AfterTick(bool sampling, CursorPoint sampled) { return sampling && Follow(sampled); }

bool Magnifier::Follow(CursorPoint centre) {
    if (!ReadInto(*reading_, centre)) return false;
    Pixels read{};
    for (int row = 0; row < kMagnifiedSide; ++row) {
        for (int column = 0; column < kMagnifiedSide; ++column) {
            read[static_cast<std::size_t>(row * kMagnifiedSide + column)] = reading_->PixelAt(column, row);
        }
    }
    if (read == shown_) return false;
    shown_ = read;
    std::swap(picture_, reading_);
    return true;
}

ColourValue Magnifier::PixelAt(int column, int row) const {
    return shown_[static_cast<std::size_t>(row * kMagnifiedSide + column)];
}

bool Magnifier::ReadInto(ImageSurface& target, CursorPoint centre) {
    const PixelRect block{centre.x - kMagnifiedCentre, centre.y - kMagnifiedCentre, kMagnifiedSide, kMagnifiedSide};
    // One copy per monitor the block touches: normally one, which covers the whole block.
    const std::vector<PixelRect>& monitors = platform_.GetScreen().Monitors();
    const bool onOneMonitor = std::any_of(monitors.begin(), monitors.end(), [&](const PixelRect& monitor) {
        const PixelRect part = Intersection(block, monitor);
        return part.width == kMagnifiedSide && part.height == kMagnifiedSide;
    });
    if (!onOneMonitor) target.Fill(kBlack);

    WindowsApi& api = platform_.Api();
    std::optional<WindowDc> screen;
    for (const PixelRect& monitor : monitors) {
        const PixelRect part = Intersection(block, monitor);
        if (part.width == 0) continue;
        if (!screen) screen.emplace(api, 0);
        if (screen->get() == 0) return false;
        if (!api.BitBlt(target.Dc(), part.x - block.x, part.y - block.y, part.width, part.height, screen->get(),
                        part.x, part.y, kSrcCopy)) {
            return false;
        }
    }
    return true;
}

}  // namespace tintavo
