#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tintavo {

// The component value 0..255 that a number box's text stands for: the text's number rounded
// to a whole number, a half to the even neighbour (TextToInteger, which documents the number
// texts it accepts). Nothing when the text is not a number or lies outside 0..255; the
// component then keeps its last valid value.
std::optional<std::uint8_t> ComponentValueOf(std::u16string_view text);

}  // namespace tintavo
