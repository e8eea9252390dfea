#include "colour/colour_formats.h"

#include <algorithm>

#include "platform/conversions.h"

namespace tintavo {
namespace {

constexpr std::u16string_view kHexDigits = u"0123456789ABCDEF";

struct Components {
    int red;
    int green;
    int blue;
};

Components Split(ColourValue colour) { return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF}; }

// numerator / denominator rounded half up, both not negative.
int RoundedHalfUp(int numerator, int denominator) { return (2 * numerator + denominator) / (2 * denominator); }

std::u16string Hex(std::uint32_t value, int digits) {
    std::u16string text(static_cast<std::size_t>(digits), u'0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kHexDigits[value & 0xF];
    return text;
}

std::u16string Decimal(int value) { return IntegerToText(value); }

// Hue, saturation and lightness in whole degrees and per cent, worked out in integers so that
// a value that falls on a half always rounds up.
std::u16string CssHsl(Components c) {
    const int high = std::max({c.red, c.green, c.blue});
    const int low = std::min({c.red, c.green, c.blue});
    const int range = high - low;
    const int sum = high + low;  // lightness is sum / 510
    int hue = 0;
    int saturation = 0;
    if (range > 0) {
        // hue = sixths / range, in degrees
        int sixths = 0;
        if (high == c.red) {
            sixths = 60 * (c.green - c.blue);
            if (sixths < 0) sixths += 360 * range;
        } else if (high == c.green) {
            sixths = 120 * range + 60 * (c.blue - c.red);
        } else {
            sixths = 240 * range + 60 * (c.red - c.green);
        }
        hue = RoundedHalfUp(sixths, range) % 360;
        saturation = RoundedHalfUp(100 * range, sum <= 255 ? sum : 510 - sum);
    }
    const int lightness = RoundedHalfUp(100 * sum, 510);
    return u"hsl(" + Decimal(hue) + u", " + Decimal(saturation) + u"%, " + Decimal(lightness) + u"%)";
}

}  // namespace

std::u16string ColourCode(ColourValue colour) {
    const Components c = Split(colour);
    return u"#" + Hex(static_cast<std::uint32_t>(c.red), 2) + Hex(static_cast<std::uint32_t>(c.green), 2) +
           Hex(static_cast<std::uint32_t>(c.blue), 2);
}

std::optional<ColourValue> ColourOfCode(std::u16string_view text) {
    if (text.size() != 7 || text[0] != u'#') return std::nullopt;
    std::uint32_t rgb = 0;
    for (char16_t digit : text.substr(1)) {
        const char16_t upper = digit >= u'a' && digit <= u'f' ? static_cast<char16_t>(digit - u'a' + u'A') : digit;
        const std::size_t value = kHexDigits.find(upper);
        if (value == std::u16string_view::npos) return std::nullopt;
        rgb = rgb << 4 | static_cast<std::uint32_t>(value);
    }
    return Rgb(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
}

std::array<std::u16string, kColourFormatCount> ColourFormats(ColourValue colour) {
    const Components c = Split(colour);
    const std::u16string decimals = Decimal(c.red) + u", " + Decimal(c.green) + u", " + Decimal(c.blue);
    return {
        ColourCode(colour),
        u"rgb(" + decimals + u")",
        CssHsl(c),
        decimals,
        u"0x" + Hex(static_cast<std::uint32_t>(colour) & 0xFFFFFF, 8),
    };
}

}  // namespace tintavo
