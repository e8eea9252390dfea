#include "window/layout.h"

#include <cassert>
#include <cmath>

namespace tintavo {

int TwipsToPixels(int twips, int dpi) { return (twips * dpi + 720) / 1440; }

const ControlDesign& DesignOf(ControlId id) {
    for (const ControlDesign& design : kControlDesigns) {
        if (design.id == id) return design;
    }
    assert(false && "every control has a design");
    return kControlDesigns.front();
}

PixelBox PlaceControl(const ControlDesign& design, int dpi) {
    PixelBox box{TwipsToPixels(design.left, dpi), TwipsToPixels(design.top, dpi),
                 TwipsToPixels(design.width, dpi), TwipsToPixels(design.height, dpi)};
    if (design.id == ControlId::kPicture1) box.width = box.height = 1;
    return box;
}

PixelBox ClientAreaAt(int dpi) {
    return {0, 0, TwipsToPixels(kFormClientWidthTwips, dpi), TwipsToPixels(kFormClientHeightTwips, dpi)};
}

int FontHeightAt(double points, int dpi) { return -static_cast<int>(std::lround(points * dpi / 72.0)); }

}  // namespace tintavo
