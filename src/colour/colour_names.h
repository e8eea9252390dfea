#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/colour_value.h"

namespace tintavo {

// A CSS colour keyword and its colour as CSS writes it, 0xRRGGBB.
struct NamedColour {
    std::string_view name;
    std::uint32_t rgb;
};

// The 148 keywords of CSS Color 4, in alphabetical order.
std::span<const NamedColour> NamedColours();

// The keyword of the named colour nearest to the colour in Oklab: the keyword alone for the
// same colour, otherwise after "≈ ". Keywords of one colour show together, alphabetically,
// joined by " / " ("aqua / cyan"); of equally near colours the alphabetically first wins.
std::u16string ColourName(ColourValue colour);

}  // namespace tintavo
