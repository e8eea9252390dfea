#pragma once

#include <span>

#include "platform/forms/image_surface.h"
#include "platform/windows_api.h"

namespace tintavo {

// Where an arrow key moves the pointer: by (dx, dy) physical pixels, onto whichever monitor that
// point lies on. A step that would leave every monitor stops at the edge of the pointer's own
// monitor, and a pointer that lies on no monitor stays where it is.
CursorPoint StepPointer(CursorPoint from, int dx, int dy, std::span<const PixelRect> monitors);

}  // namespace tintavo
