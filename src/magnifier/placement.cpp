#include "magnifier/placement.h"

#include <algorithm>

namespace tintavo {

PixelRect PlaceMagnifier(const PixelRect& picker, int width, int height, const PixelRect& workArea) {
    const int workRight = workArea.x + workArea.width;
    const int workBottom = workArea.y + workArea.height;
    int y = picker.y + picker.height;
    if (y + height > workBottom) y = picker.y - height;
    // A window larger than the work area keeps its top-left corner inside it.
    const int x = std::max(workArea.x, std::min(picker.x, workRight - width));
    y = std::max(workArea.y, std::min(y, workBottom - height));
    return {x, y, width, height};
}

}  // namespace tintavo
