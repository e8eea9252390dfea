#include "platform/conversions.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/runtime_error.h"

namespace tintavo {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; }

// Folds the full-width forms of digits, signs, point and exponent letter onto ASCII;
// anything else outside ASCII becomes a character no number contains.
char ToAscii(char16_t c) {
    if (c >= u'\uFF01' && c <= u'\uFF5E') c = static_cast<char16_t>(c - 0xFF01 + 0x21);
    return c < 0x80 ? static_cast<char>(c) : '\x7F';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number as plain ASCII for std::from_chars (which takes no "+" and no blanks), or
// nothing when the text does not have the accepted form.
bool Normalise(std::u16string_view text, std::string& out) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;

    std::string s;
    s.reserve(end - begin);
    for (std::size_t i = begin; i < end; ++i) s.push_back(ToAscii(text[i]));

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t mantissa = i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    if (i != s.size()) return false;

    out.clear();
    if (negative) out.push_back('-');
    out.append(s, mantissa, std::string::npos);
    return true;
}

double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5) return floor + 1.0;
    if (fraction < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

template <typename Int>
Int RoundChecked(double value, double low, double high) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= low && rounded <= high)) throw RuntimeError(RuntimeError::kOverflow);
    return static_cast<Int>(rounded);
}

}  // namespace

double TextToDouble(std::u16string_view text) {
    std::string ascii;
    if (!Normalise(text, ascii)) throw RuntimeError(RuntimeError::kTypeMismatch);
    // The program never sets a locale, so strtod reads "." as the decimal point. A value too
    // small to represent reads as (nearly) zero; one too large overflows.
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (std::isinf(value)) throw RuntimeError(RuntimeError::kOverflow);
    return value;
}

std::int16_t TextToInteger(std::u16string_view text) {
    return RoundChecked<std::int16_t>(TextToDouble(text), -32768.0, 32767.0);
}

std::uint8_t FloatToByte(double value) { return RoundChecked<std::uint8_t>(value, 0.0, 255.0); }

std::int32_t FloatToLong(double value) {
    return RoundChecked<std::int32_t>(value, -2147483648.0, 2147483647.0);
}

double IntegerPart(double value) { return std::floor(value); }

std::u16string IntegerToText(std::int64_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::int32_t Rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

}  // namespace tintavo
