#pragma once

#include <vector>

#include "platform/clipboard.h"
#include "platform/forms/image_surface.h"
#include "platform/windows_api.h"

namespace tintavo {

// The screen's size in twips, as the forms layer reports it, and the monitors that make up
// the desktop, in physical pixels.
class Screen {
public:
    virtual ~Screen() = default;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual const std::vector<PixelRect>& Monitors() const = 0;
};

// Everything the window's handlers reach beyond their own controls: the Windows calls, the
// screen, the clipboard and the images behind picture boxes. One implementation drives Win32, the other is
// the headless backend of the unit tests.
class Platform {
public:
    virtual ~Platform() = default;
    virtual WindowsApi& Api() = 0;
    virtual const Screen& GetScreen() const = 0;
    virtual Clipboard& GetClipboard() = 0;
    virtual SurfaceFactory& Surfaces() = 0;
};

}  // namespace tintavo
