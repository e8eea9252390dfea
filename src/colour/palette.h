#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "platform/colour_value.h"

namespace tintavo {

// How a list of colours is written as one text, in the order the window menu offers them: one
// code a line, CSS custom properties, a JSON array, a GIMP palette.
enum class PaletteLayout { kLines, kCssVariables, kJson, kGimp };
inline constexpr std::size_t kPaletteLayoutCount = 4;

// The colours, in the order given, as a text in the layout. Every line ends with CRLF, the last
// one too, as Windows programs expect of text on the clipboard.
std::u16string PaletteText(std::span<const ColourValue> colours, PaletteLayout layout);

}  // namespace tintavo
