#include "colour/contrast.h"

#include <algorithm>
#include <cstdint>

#include "colour/colour_spaces.h"
#include "platform/conversions.h"

namespace tintavo {

double RelativeLuminance(ColourValue colour) {
    return 0.2126 * LinearLight(colour & 0xFF) + 0.7152 * LinearLight((colour >> 8) & 0xFF) +
           0.0722 * LinearLight((colour >> 16) & 0xFF);
}

double ContrastRatio(ColourValue a, ColourValue b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::u16string ContrastRatioText(double ratio) {
    // A ratio that is exactly a whole hundredth, as 21 and 1 are, may come out of the division
    // a rounding error below it, which cutting would turn into the hundredth under it. The
    // error is near 1e-15; 1e-9 covers it and is far too small to lift a ratio that really is
    // under a hundredth.
    const auto hundredths = static_cast<std::int64_t>(ratio * 100 + 1e-9);
    const std::int64_t fraction = hundredths % 100;
    return IntegerToText(hundredths / 100) + (fraction < 10 ? u".0" : u".") + IntegerToText(fraction) + u":1";
}

ContrastVerdicts JudgeContrast(double ratio) {
    return {.aaText = ratio >= 4.5,
            .aaLargeText = ratio >= 3,
            .aaaText = ratio >= 7,
            .aaaLargeText = ratio >= 4.5,
            .nonText = ratio >= 3};
}

}  // namespace tintavo
