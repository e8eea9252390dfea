#include "window/pointer_step.h"

#include <algorithm>

namespace tintavo {
namespace {

bool Contains(const PixelRect& monitor, CursorPoint point) {
    return point.x >= monitor.x && point.x < monitor.x + monitor.width && point.y >= monitor.y &&
           point.y < monitor.y + monitor.height;
}

}  // namespace

CursorPoint StepPointer(CursorPoint from, int dx, int dy, std::span<const PixelRect> monitors) {
    const CursorPoint to{from.x + dx, from.y + dy};
    if (std::any_of(monitors.begin(), monitors.end(), [&](const PixelRect& m) { return Contains(m, to); })) return to;
    const auto own =
        std::find_if(monitors.begin(), monitors.end(), [&](const PixelRect& m) { return Contains(m, from); });
    if (own == monitors.end()) return from;
    return {std::clamp(to.x, own->x, own->x + own->width - 1), std::clamp(to.y, own->y, own->y + own->height - 1)};
}

}  // namespace tintavo
