#include "colour/colour_formats.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "colour/colour_spaces.h"
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

std::u16string Decimal(std::int64_t value) { return IntegerToText(value); }

// The pattern with each "{}" replaced by the next of the values, in order.
std::u16string Fill(std::u16string_view pattern, std::initializer_list<std::u16string> values) {
    std::u16string text;
    auto value = values.begin();
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern.substr(at, 2) == u"{}" && value != values.end()) {
            text += *value++;
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

// numerator / denominator as a whole per cent, rounded half up.
std::u16string Percent(int numerator, int denominator) {
    return Decimal(RoundedHalfUp(100 * numerator, denominator)) + u"%";
}

// scaled / 10^decimals, written with exactly that many decimals. Zero has no minus sign.
std::u16string Fixed(std::int64_t scaled, int decimals) {
    std::u16string digits = Decimal(scaled < 0 ? -scaled : scaled);
    const auto places = static_cast<std::size_t>(decimals);
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), u'0');
    digits.insert(digits.size() - places, 1, u'.');
    if (scaled < 0) digits.insert(0, 1, u'-');
    return digits;
}

// The value with one decimal, a half rounded away from zero.
std::u16string Tenths(double value) { return Fixed(std::llround(value * 10), 1); }

// The hue in whole degrees, worked out in integers so that a hue that falls on a half always
// rounds up; a grey's hue is 0.
int Hue(Components c) {
    const int high = std::max({c.red, c.green, c.blue});
    const int range = high - std::min({c.red, c.green, c.blue});
    if (range == 0) return 0;
    int sixths = 0;  // hue = sixths / range, in degrees
    if (high == c.red) {
        sixths = 60 * (c.green - c.blue);
        if (sixths < 0) sixths += 360 * range;
    } else if (high == c.green) {
        sixths = 120 * range + 60 * (c.blue - c.red);
    } else {
        sixths = 240 * range + 60 * (c.red - c.green);
    }
    return RoundedHalfUp(sixths, range) % 360;
}

std::u16string CssHsl(Components c, int high, int low) {
    const int sum = high + low;  // lightness is sum / 510
    const std::u16string saturation = high == low ? u"0%" : Percent(high - low, sum <= 255 ? sum : 510 - sum);
    return Fill(u"hsl({}, {}, {})", {Decimal(Hue(c)), saturation, Percent(sum, 510)});
}

std::u16string Hsv(Components c, int high, int low) {
    const std::u16string saturation = high == 0 ? u"0%" : Percent(high - low, high);
    return Fill(u"hsv({}, {}, {})", {Decimal(Hue(c)), saturation, Percent(high, 255)});
}

// Lightness in per cent with one decimal, chroma with three, hue in degrees with one; a hue
// that rounds to 360.0 is 0.0, and so is the hue of a chroma that rounds to 0.
std::u16string CssOklch(ColourValue colour) {
    const ColourCoordinates oklab = Oklab(colour);
    const std::int64_t chroma = std::llround(std::hypot(oklab.a, oklab.b) * 1000);
    std::int64_t hue = 0;
    if (chroma != 0) {
        double degrees = std::atan2(oklab.b, oklab.a) * 180 / std::numbers::pi;
        if (degrees < 0) degrees += 360;
        hue = std::llround(degrees * 10) % 3600;
    }
    return Fill(u"oklch({}% {} {})", {Tenths(100 * oklab.lightness), Fixed(chroma, 3), Fixed(hue, 1)});
}

std::u16string CssLab(ColourValue colour) {
    const ColourCoordinates lab = CieLab(colour);
    return Fill(u"lab({} {} {})", {Tenths(lab.lightness), Tenths(lab.a), Tenths(lab.b)});
}

std::u16string Fraction(int component) { return Fixed(RoundedHalfUp(1000 * component, 255), 3); }

// K is what the brightest component lacks of full; C, M and Y are each component's shortfall
// from the brightest, as a share of it.
std::u16string Cmyk(Components c, int high) {
    if (high == 0) return u"cmyk(0%, 0%, 0%, 100%)";
    return Fill(u"cmyk({}, {}, {}, {})", {Percent(high - c.red, high), Percent(high - c.green, high),
                                          Percent(high - c.blue, high), Percent(255 - high, 255)});
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

ColourFormatTexts ColourFormats(ColourValue colour) {
    const Components c = Split(colour);
    const int high = std::max({c.red, c.green, c.blue});
    const int low = std::min({c.red, c.green, c.blue});
    const std::u16string decimals = Fill(u"{}, {}, {}", {Decimal(c.red), Decimal(c.green), Decimal(c.blue)});
    const std::u16string colorRef = Hex(static_cast<std::uint32_t>(colour) & 0xFFFFFF, 8);
    return {
        ColourCode(colour),
        Fill(u"rgb({})", {decimals}),
        CssHsl(c, high, low),
        decimals,
        u"0x" + colorRef,
        Hsv(c, high, low),
        Fill(u"hwb({} {} {})", {Decimal(Hue(c)), Percent(low, 255), Percent(255 - high, 255)}),
        CssOklch(colour),
        CssLab(colour),
        Fill(u"{}, {}, {}", {Fraction(c.red), Fraction(c.green), Fraction(c.blue)}),
        Cmyk(c, high),
        u"$" + colorRef,
        Fill(u"&H{}&", {colorRef}),
        Decimal(colour & 0xFFFFFF),
    };
}

}  // namespace tintavo
