#pragma once

#include "platform/forms/image_surface.h"

namespace tintavo {

// Where the magnifier's window opens beside the picker's, both frames in screen pixels: below
// it with the left edges aligned, above it when the work area has no room below, and always
// moved inside the work area.
PixelRect PlaceMagnifier(const PixelRect& picker, int width, int height, const PixelRect& workArea);

}  // namespace tintavo
