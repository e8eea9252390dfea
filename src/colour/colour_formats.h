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
// rgb(), CSS hsl(), the three decimal components, and a Win32 COLORREF.
inline constexpr std::size_t kColourFormatCount = 5;
std::array<std::u16string, kColourFormatCount> ColourFormats(ColourValue colour);

}  // namespace tintavo
