// Any text through the number conversions: no crash, no sanitizer report, and the integer
// conversion agrees with the double one. The first three bytes, as a colour, go through the
// copy formats, which must give plain ASCII text.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "colour/colour_formats.h"
#include "colour/component_value.h"
#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace {

std::u16string TextFrom(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tintavo;
    const std::u16string text = TextFrom(data, size);
    double asDouble = 0.0;
    bool isNumber = true;
    try {
        asDouble = TextToDouble(text);
    } catch (const RuntimeError& error) {
        isNumber = false;
        if (error.number() != RuntimeError::kTypeMismatch && error.number() != RuntimeError::kOverflow) std::abort();
    }
    try {
        const std::int16_t asInteger = TextToInteger(text);
        if (!isNumber || std::fabs(asDouble - asInteger) > 0.5) std::abort();
    } catch (const RuntimeError&) {
        if (isNumber && std::fabs(asDouble) < 32767.5) std::abort();
    }
    const auto component = ComponentValueOf(text);
    if (component && !(isNumber && std::fabs(asDouble - *component) <= 0.5)) std::abort();
    if (size >= 3) {
        for (const std::u16string& format : ColourFormats(Rgb(data[0], data[1], data[2]))) {
            if (format.empty() || std::any_of(format.begin(), format.end(), [](char16_t c) { return c < 0x20 || c > 0x7E; })) {
                std::abort();
            }
        }
    }
    return 0;
}
