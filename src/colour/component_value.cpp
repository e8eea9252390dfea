#include "colour/component_value.h"

#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace tintavo {

std::optional<std::uint8_t> ComponentValueOf(std::u16string_view text) {
    std::int16_t value = 0;
    try {
        value = TextToInteger(text);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
    if (value < 0 || value > 255) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

}  // namespace tintavo
