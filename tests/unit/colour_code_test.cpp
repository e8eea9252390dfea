#include <gtest/gtest.h>

#include <cstdio>

#include "picker_fixture.h"
#include "platform/conversions.h"

namespace tintavo {
namespace {

class ColourCodeTest : public PickerTest {
protected:
    void SetComponents(const char16_t* red, const char16_t* green, const char16_t* blue) {
        form.Text1[0].Edited(red);
        form.Text1[1].Edited(green);
        form.Text1[2].Edited(blue);
    }
};

std::u16string Hex(int value) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", value);
    return std::u16string(digits, digits + 2);
}

TEST_F(ColourCodeTest, NamesEveryWholeValueOfEveryComponentWithTwoUpperCaseDigits) {
    for (int component = 0; component < 3; ++component) {
        for (int value = 0; value <= 255; ++value) {
            form.Text1[component].Edited(IntegerToText(value));
            form.ChangeH();
            std::u16string expected = u"#000000";
            expected.replace(1 + 2 * component, 2, Hex(value));
            ASSERT_EQ(form.Text2.Text(), expected) << "component " << component << " value " << value;
            EXPECT_EQ(form.Nibble[2 * component], value / 16);
            EXPECT_EQ(form.Nibble[2 * component + 1], value % 16);
        }
        form.Text1[component].Edited(u"0");
    }
}

TEST_F(ColourCodeTest, WorkedExamples) {
    SetComponents(u"255", u"128", u"0");
    EXPECT_EQ(form.Text2.Text(), u"#FF8000");
    EXPECT_EQ(form.Nibble, (std::array<std::uint8_t, 6>{15, 15, 8, 0, 0, 0}));
    SetComponents(u"18", u"52", u"86");
    EXPECT_EQ(form.Text2.Text(), u"#123456");
    SetComponents(u"171", u"205", u"239");
    EXPECT_EQ(form.Text2.Text(), u"#ABCDEF");
    EXPECT_EQ(form.Nibble, (std::array<std::uint8_t, 6>{10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(form.HexDigit, (std::array<char16_t, 6>{u'A', u'B', u'C', u'D', u'E', u'F'}));
    SetComponents(u"0", u"0", u"0");
    form.ChangeH();
    form.ChangeH();
    EXPECT_EQ(form.Text2.Text(), u"#000000");
}

// A fractional text stays in its box while its rounded value equals the scroll bar's, so the
// code is built from it: it must name the same whole value as the swatch.
TEST_F(ColourCodeTest, AFractionalOrNegativeTextEntersTheCodeAsTheSwatchsWholeValue) {
    const struct {
        int scrollValue;
        const char16_t* text;
        const char16_t* code;
    } cases[] = {
        {16, u"15.5", u"#100000"}, {12, u"12.5", u"#0C0000"}, {14, u"13.5", u"#0E0000"},
        {0, u"-0.4", u"#000000"},  {0, u"0.5", u"#000000"},   {254, u"254.5", u"#FE0000"},
        {2, u"2.5", u"#020000"},   {4, u"3.5", u"#040000"},   {255, u"255.4", u"#FF0000"},
    };
    for (const auto& c : cases) {
        form.HScroll1[0].SetValue(c.scrollValue);
        form.Text1[0].Edited(c.text);
        form.ChangeH();
        EXPECT_EQ(form.Text2.Text(), c.code) << c.scrollValue;
        EXPECT_EQ(form.Picture2.BackColor(), c.scrollValue) << "the swatch shows the same red";
        for (char16_t digit : form.HexDigit) EXPECT_NE(digit, u'\0');
    }
}

TEST_F(ColourCodeTest, ATextThatIsNoValidComponentTakesTheLastValidValue) {
    SetComponents(u"171", u"205", u"239");
    for (const char16_t* text : {u"", u" ", u"abc", u"-", u"256", u"4096", u"-1", u"99999", u"1e9"}) {
        form.Text1[1].Edited(text);
        form.ChangeH();
        EXPECT_EQ(form.Text2.Text(), u"#ABCDEF");
    }
}

}  // namespace
}  // namespace tintavo
