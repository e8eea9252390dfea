#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/colour_value.h"

namespace tintavo {

// "#RRGGBB", upper-case, as the code box shows a colour.
std::u16string ColourCode(ColourValue colour);

// The colour that a "#RRGGBB" text names (hex digits of either case), or nothing for any other
// text.
std::optional<ColourValue> ColourOfCode(std::u16string_view text);

// The texts the window menu offers to copy a colour as, in the menu's order: the code, CSS
// rgb(), CSS hsl(), the three decimal components, a Win32 COLORREF, HSV, CSS hwb(), CSS
// oklch(), CSS lab(), the components as fractions 0..1, CMYK, a Delphi TColor, a Visual Basic
// colour and the COLORREF as a decimal number.
inline constexpr std::size_t kColourFormatCount = 14;
using ColourFormatTexts = std::array<std::u16string, kColourFormatCount>;
ColourFormatTexts ColourFormats(ColourValue colour);

}  // namespace tintavo
