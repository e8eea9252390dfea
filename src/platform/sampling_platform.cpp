#include "platform/sampling_platform.h"

#include <vector>

namespace tintavo {

ColourValue MeanColour(std::span<const ColourValue> colours) {
    if (colours.empty()) return 0;
    const auto count = static_cast<std::int64_t>(colours.size());
    ColourValue mean = 0;
    for (int shift : {0, 8, 16}) {
        std::int64_t sum = 0;
        for (ColourValue colour : colours) sum += (colour >> shift) & 0xFF;
        mean |= static_cast<ColourValue>((2 * sum + count) / (2 * count)) << shift;
    }
    return mean;
}

bool SamplingPlatform::BitBlt(DcHandle destination, int x, int y, int width, int height, DcHandle source,
                              int sourceX, int sourceY, std::uint32_t rasterOperation) {
    if (side_ == 1) return api_.BitBlt(destination, x, y, width, height, source, sourceX, sourceY, rasterOperation);
    return CopyMeanOfArea(destination, x, y, source, {sourceX, sourceY});
}

bool SamplingPlatform::CopyMeanOfArea(DcHandle destination, int x, int y, DcHandle source, CursorPoint centre) {
    if (!area_ || area_->Width() != side_) {
        area_ = platform_.Surfaces().CreateSurface(side_, side_);
        mean_ = platform_.Surfaces().CreateSurface(1, 1);
    }
    const PixelRect area{centre.x - side_ / 2, centre.y - side_ / 2, side_, side_};
    std::vector<ColourValue> pixels;
    pixels.reserve(static_cast<std::size_t>(side_ * side_));
    // One copy per monitor the area touches, normally one; pixels off every monitor do not count.
    for (const PixelRect& monitor : platform_.GetScreen().Monitors()) {
        const PixelRect part = Intersection(area, monitor);
        if (part.width == 0) continue;
        const int left = part.x - area.x;
        const int top = part.y - area.y;
        if (!api_.BitBlt(area_->Dc(), left, top, part.width, part.height, source, part.x, part.y, kSrcCopy)) {
            return false;
        }
        for (int row = top; row < top + part.height; ++row) {
            for (int column = left; column < left + part.width; ++column) pixels.push_back(area_->PixelAt(column, row));
        }
    }
    // An area off every monitor, like a failed copy, leaves the destination as it was.
    if (pixels.empty()) return false;
    mean_->Fill(MeanColour(pixels));
    return api_.BitBlt(destination, x, y, 1, 1, mean_->Dc(), 0, 0, kSrcCopy);
}

}  // namespace tintavo
