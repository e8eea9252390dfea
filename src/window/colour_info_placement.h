#pragma once

#include <optional>

#include "platform/forms/image_surface.h"

namespace tintavo {

// Where the colour information window opens, all frames in screen pixels: right of the picker,
// else left of it, top edges aligned; else below or above the picker and the open magnifier.
// The first place inside the work area that covers neither is taken; where none is free, the
// right-hand place, moved inside the work area.
PixelRect PlaceColourInfo(const PixelRect& picker, const std::optional<PixelRect>& magnifier, int width, int height,
                          const PixelRect& workArea);

}  // namespace tintavo
