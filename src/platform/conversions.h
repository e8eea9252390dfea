#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tintavo {

// The value conversions the handlers rely on. Each raises RuntimeError: kTypeMismatch for a
// text that is not a number, kOverflow for a value outside the target type.
//
// Accepted number texts, the one place this is decided:
//   [blanks] [sign] digits [. [digits]] [exponent] [blanks]
//   [blanks] [sign] . digits [exponent] [blanks]
// - blanks: space, tab and the ideographic space U+3000, only before and after the number;
// - sign: "+" or "-" (also their full-width forms);
// - digits: 0-9, and the full-width digits that a Japanese input method types;
// - the decimal point is always "." (or its full-width form), whatever the locale;
// - exponent: "e" or "E", an optional sign and at least one digit.
// Everything else is not a number: an empty or blank text, a lone sign or point, letters,
// thousands separators, hexadecimal, "inf" and "nan".
double TextToDouble(std::u16string_view text);

// The number rounded to the nearest integer, a half to the even neighbour; outside
// -32768..32767 it overflows.
std::int16_t TextToInteger(std::u16string_view text);

// Rounded to the nearest integer, a half to the even neighbour, then range-checked.
std::uint8_t FloatToByte(double value);
std::int32_t FloatToLong(double value);

// The largest integer not greater than the value.
double IntegerPart(double value);

// Plain decimal digits with a leading "-" for a negative value.
std::u16string IntegerToText(std::int64_t value);

// A colour value 0x00BBGGRR from components 0..255.
std::int32_t Rgb(int red, int green, int blue);

}  // namespace tintavo
