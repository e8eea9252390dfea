#include "platform/conversions.h"

#include <gtest/gtest.h>

#include "platform/runtime_error.h"

namespace tintavo {
namespace {

RuntimeError::Number ErrorOf(void (*convert)(std::u16string_view), std::u16string_view text) {
    try {
        convert(text);
    } catch (const RuntimeError& error) {
        return error.number();
    }
    ADD_FAILURE() << "no error";
    return RuntimeError::kOverflow;
}

void ToInteger(std::u16string_view text) { TextToInteger(text); }
void ToDouble(std::u16string_view text) { TextToDouble(text); }

TEST(TextToInteger, RoundsHalvesToEvenAndAcceptsBlanksSignsExponentsAndFullWidth) {
    const struct {
        const char16_t* text;
        int expected;
    } cases[] = {
        {u"0", 0},         {u"255", 255},        {u"07", 7},           {u" 12 ", 12},    {u"\t12\u3000", 12},
        {u"2.5", 2},       {u"3.5", 4},          {u"0.5", 0},          {u"1.5", 2},      {u"2.5000001", 3},
        {u"-2.5", -2},     {u"-0.4", 0},         {u"+7", 7},           {u".5", 0},       {u"7.", 7},
        {u"1e2", 100},     {u"2.5E1", 25},       {u"1e-9", 0},         {u"1e-400", 0},   {u"１２８", 128},
        {u"－５", -5},     {u"32767", 32767},    {u"-32768", -32768},  {u"32767.4", 32767},
        {u"-32768.5", -32768},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(TextToInteger(c.text), c.expected);
    }
}

TEST(TextToInteger, OverflowsJustPastTheSixteenBitRange) {
    for (const char16_t* text : {u"32768", u"32767.5", u"-32769", u"-32768.6", u"99999", u"1e9", u"1e400"}) {
        EXPECT_EQ(ErrorOf(ToInteger, text), RuntimeError::kOverflow);
    }
}

TEST(TextToNumber, RejectsWhatIsNotANumberAsTypeMismatch) {
    for (const char16_t* text : {u"", u" ", u"\u3000", u"-", u"+", u".", u"-.", u"a", u"1a", u"12 3", u"1,000",
                                 u"&H10", u"0x10", u"inf", u"nan", u"1e", u"1e+", u"--1", u"+-1", u"e5", u"1.2.3",
                                 u"٣"}) {
        EXPECT_EQ(ErrorOf(ToInteger, text), RuntimeError::kTypeMismatch);
        EXPECT_EQ(ErrorOf(ToDouble, text), RuntimeError::kTypeMismatch);
    }
}

TEST(TextToDouble, KeepsTheFraction) {
    EXPECT_DOUBLE_EQ(TextToDouble(u"15.5"), 15.5);
    EXPECT_DOUBLE_EQ(TextToDouble(u" -0.25 "), -0.25);
    EXPECT_DOUBLE_EQ(TextToDouble(u"４０９５"), 4095.0);
}

TEST(FloatConversions, RoundHalvesToEvenAndOverflowOutsideTheirRange) {
    EXPECT_EQ(FloatToByte(0.5), 0);
    EXPECT_EQ(FloatToByte(1.5), 2);
    EXPECT_EQ(FloatToByte(254.5), 254);
    EXPECT_EQ(FloatToByte(255.4), 255);
    EXPECT_EQ(FloatToByte(-0.5), 0);
    EXPECT_THROW(FloatToByte(255.5), RuntimeError);
    EXPECT_THROW(FloatToByte(-0.6), RuntimeError);
    EXPECT_EQ(FloatToLong(2147483647.0), 2147483647);
    EXPECT_EQ(FloatToLong(-2147483648.5), -2147483648);
    EXPECT_THROW(FloatToLong(2147483647.5), RuntimeError);
    EXPECT_THROW(FloatToLong(-2147483649.0), RuntimeError);
}

TEST(ValueConversions, IntegerTextIntegerPartAndRgb) {
    EXPECT_EQ(IntegerToText(0), u"0");
    EXPECT_EQ(IntegerToText(255), u"255");
    EXPECT_EQ(IntegerToText(-32768), u"-32768");
    EXPECT_EQ(IntegerPart(-0.025), -1.0);
    EXPECT_EQ(IntegerPart(15.9375), 15.0);
    EXPECT_EQ(Rgb(128, 0, 0), 128);
    EXPECT_EQ(Rgb(255, 255, 255), 0xFFFFFF);
    EXPECT_EQ(Rgb(0x12, 0x34, 0x56), 0x563412);
}

}  // namespace
}  // namespace tintavo
