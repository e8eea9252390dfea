#pragma once

#include <cstdint>

namespace tintavo {

// A colour as the platform reports and accepts it: 0x00BBGGRR, red in the low byte. A design
// colour may instead name one of the desktop's system colours by its Windows index, marked by
// the high bit, and follows the user's colour scheme.
using ColourValue = std::int32_t;

enum class SystemColourIndex : int {
    kWindow = 5,
    kWindowText = 8,
    kInactiveBorder = 11,
    kButtonFace = 15,
    kButtonText = 18,
};

constexpr ColourValue SystemColour(SystemColourIndex index) {
    return static_cast<ColourValue>(0x80000000u | static_cast<std::uint32_t>(index));
}

constexpr bool IsSystemColour(ColourValue colour) { return colour < 0; }

constexpr int SystemColourIndexOf(ColourValue colour) { return colour & 0xFF; }

}  // namespace tintavo
