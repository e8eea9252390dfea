#include "window/colour_info_placement.h"

#include <algorithm>

namespace tintavo {
namespace {

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// A window larger than the work area keeps its top-left corner inside it.
PixelRect Inside(const PixelRect& place, const PixelRect& workArea) {
    const int x = std::max(workArea.x, std::min(place.x, workArea.x + workArea.width - place.width));
    const int y = std::max(workArea.y, std::min(place.y, workArea.y + workArea.height - place.height));
    return {x, y, place.width, place.height};
}

}  // namespace

PixelRect PlaceColourInfo(const PixelRect& picker, const std::optional<PixelRect>& magnifier, int width, int height,
                          const PixelRect& workArea) {
    int top = picker.y;
    int bottom = picker.y + picker.height;
    if (magnifier) {
        top = std::min(top, magnifier->y);
        bottom = std::max(bottom, magnifier->y + magnifier->height);
    }
    const PixelRect candidates[] = {
        {picker.x + picker.width, picker.y, width, height},
        {picker.x - width, picker.y, width, height},
        {picker.x, bottom, width, height},
        {picker.x, top - height, width, height},
    };
    for (const PixelRect& candidate : candidates) {
        const PixelRect placed = Inside(candidate, workArea);
        if (!Overlap(placed, picker) && !(magnifier && Overlap(placed, *magnifier))) return placed;
    }
    return Inside(candidates[0], workArea);
}

}  // namespace tintavo
