#pragma once

#include "platform/colour_value.h"

namespace tintavo {

// Coordinates of a colour in a perceptual space, worked out from its 8-bit sRGB components as
// CSS Color 4 does.
struct ColourCoordinates {
    double lightness;
    double a;
    double b;
};

// An sRGB component, 0..255, as linear light 0..1.
double LinearLight(int component);

// Oklab (lightness 0..1), from linear sRGB with the D65 white.
ColourCoordinates Oklab(ColourValue colour);

// CIE Lab (lightness 0..100) relative to the D50 white, reached from sRGB's D65 through the
// Bradford adaptation, as CSS lab() is.
ColourCoordinates CieLab(ColourValue colour);

}  // namespace tintavo
