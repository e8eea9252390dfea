#include <gtest/gtest.h>

#include <regex>

#include "colour/colour_formats.h"
#include "colour/palette.h"
#include "picker_fixture.h"
#include "platform/conversions.h"
#include "window/colour_menus.h"

namespace tintavo {
namespace {

TEST(ColourFormats, NamesTheColourInEachFormatWithHalvesRoundedUp) {
    const struct {
        ColourValue colour;
        std::array<std::u16string, 5> texts;
    } cases[] = {
        {0x000000, {u"#000000", u"rgb(0, 0, 0)", u"hsl(0, 0%, 0%)", u"0, 0, 0", u"0x00000000"}},
        {0xFFFFFF, {u"#FFFFFF", u"rgb(255, 255, 255)", u"hsl(0, 0%, 100%)", u"255, 255, 255", u"0x00FFFFFF"}},
        {0x808080, {u"#808080", u"rgb(128, 128, 128)", u"hsl(0, 0%, 50%)", u"128, 128, 128", u"0x00808080"}},
        {0x0000FF, {u"#FF0000", u"rgb(255, 0, 0)", u"hsl(0, 100%, 50%)", u"255, 0, 0", u"0x000000FF"}},
        {0x00FF00, {u"#00FF00", u"rgb(0, 255, 0)", u"hsl(120, 100%, 50%)", u"0, 255, 0", u"0x0000FF00"}},
        {0xFF0000, {u"#0000FF", u"rgb(0, 0, 255)", u"hsl(240, 100%, 50%)", u"0, 0, 255", u"0x00FF0000"}},
        {0xFF901E, {u"#1E90FF", u"rgb(30, 144, 255)", u"hsl(210, 100%, 56%)", u"30, 144, 255", u"0x00FF901E"}},
        // hue 202.5
        {0x885500, {u"#005588", u"rgb(0, 85, 136)", u"hsl(203, 100%, 27%)", u"0, 85, 136", u"0x00885500"}},
        // saturation 87.5 %
        {0x111E02, {u"#021E11", u"rgb(2, 30, 17)", u"hsl(152, 88%, 6%)", u"2, 30, 17", u"0x00111E02"}},
        // hue 359.5 rounds to 360, which is 0
        {0x8887FF, {u"#FF8788", u"rgb(255, 135, 136)", u"hsl(0, 100%, 76%)", u"255, 135, 136", u"0x008887FF"}},
    };
    for (const auto& c : cases) {
        const ColourFormatTexts texts = ColourFormats(c.colour);
        EXPECT_TRUE(std::equal(c.texts.begin(), c.texts.end(), texts.begin())) << std::hex << c.colour;
        EXPECT_EQ(ColourOfCode(c.texts[0]), c.colour);
    }
    for (const char16_t* notACode : {u"", u"#12345", u"#1234567", u"123456#", u"#12345G", u" #123456"}) {
        EXPECT_EQ(ColourOfCode(notACode), std::nullopt);
    }
    EXPECT_EQ(ColourOfCode(u"#abcdef"), 0xEFCDAB);
}

TEST(ColourFormats, WritesDesignToolAndCssColoursRoundedAsTheyAre) {
    EXPECT_EQ(ColourFormats(0xFF901E),
              (ColourFormatTexts{u"#1E90FF", u"rgb(30, 144, 255)", u"hsl(210, 100%, 56%)", u"30, 144, 255",
                                 u"0x00FF901E", u"hsv(210, 88%, 100%)", u"hwb(210 12% 0%)",
                                 u"oklch(65.2% 0.190 253.2)", u"lab(58.4 0.9 -64.8)", u"0.118, 0.565, 1.000",
                                 u"cmyk(88%, 44%, 0%, 0%)", u"$00FF901E", u"&H00FF901E&", u"16748574"}));
    enum : std::size_t { kHsv = 5, kHwb, kOklch, kLab, kFractions, kCmyk };
    const struct {
        ColourValue colour;
        std::size_t format;
        const char16_t* text;
    } cases[] = {
        {0x808080, kOklch, u"oklch(60.0% 0.000 0.0)"},
        {0x808080, kLab, u"lab(53.6 0.0 0.0)"},
        {0x808080, kCmyk, u"cmyk(0%, 0%, 0%, 50%)"},
        {0x008CFF, kOklch, u"oklch(75.1% 0.179 58.3)"},
        {0x008CFF, kLab, u"lab(70.2 39.8 76.1)"},
        {0x008CFF, kHwb, u"hwb(33 0% 0%)"},
        {0xBF3F7F, kOklch, u"oklch(51.4% 0.192 303.1)"},
        {0xBF3F7F, kLab, u"lab(40.3 46.3 -57.3)"},
        {0xBF3F7F, kCmyk, u"cmyk(34%, 67%, 0%, 25%)"},
        {0x000000, kOklch, u"oklch(0.0% 0.000 0.0)"},
        {0x000000, kFractions, u"0.000, 0.000, 0.000"},
        {0x000000, kCmyk, u"cmyk(0%, 0%, 0%, 100%)"},
        {0xFFFFFF, kOklch, u"oklch(100.0% 0.000 0.0)"},
        {0xFFFFFF, kFractions, u"1.000, 1.000, 1.000"},
        {0x0000FF, kOklch, u"oklch(62.8% 0.258 29.2)"},
        {0x0000FF, kLab, u"lab(54.3 80.8 69.9)"},
        {0xFF0000, kOklch, u"oklch(45.2% 0.313 264.1)"},
        {0xFF0000, kLab, u"lab(29.6 68.3 -112.0)"},
        // #C7C8C8: saturation and cyan of 0.5 % round up
        {0xC8C8C7, kHsv, u"hsv(180, 1%, 78%)"},
        {0xC8C8C7, kCmyk, u"cmyk(1%, 0%, 0%, 22%)"},
        // #CE106E: a hue of 359.97 is 0.0
        {0x6E10CE, kOklch, u"oklch(55.6% 0.219 0.0)"},
        // #E3BCC7: a b of -0.04 loses its sign
        {0xC7BCE3, kLab, u"lab(80.0 15.7 0.0)"},
    };
    for (const auto& c : cases) EXPECT_EQ(ColourFormats(c.colour)[c.format], c.text) << std::hex << c.colour;
}

TEST(ColourFormats, EveryColourGivesWellFormedTextInEveryFormat) {
    const std::string byte = "(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])";
    const std::string percent = "(100|[1-9]?[0-9])%";
    const std::string degrees = "(3[0-5][0-9]|[12][0-9][0-9]|[1-9]?[0-9])";
    const std::string fraction = "(1\\.000|0\\.[0-9]{3})";
    const std::string signedTenths = "(?!-0\\.0[ )])-?(0|[1-9][0-9]{0,2})\\.[0-9]";
    const std::string lightness = "(100|[1-9]?[0-9])\\.[0-9]";
    const std::string hex = "00[0-9A-F]{6}";
    const std::regex formats[kColourFormatCount] = {
        std::regex("#[0-9A-F]{6}"),
        std::regex("rgb\\(" + byte + ", " + byte + ", " + byte + "\\)"),
        std::regex("hsl\\(" + degrees + ", " + percent + ", " + percent + "\\)"),
        std::regex(byte + ", " + byte + ", " + byte),
        std::regex("0x" + hex),
        std::regex("hsv\\(" + degrees + ", " + percent + ", " + percent + "\\)"),
        std::regex("hwb\\(" + degrees + " " + percent + " " + percent + "\\)"),
        std::regex("oklch\\(" + lightness + "% 0\\.[0-9]{3} " + degrees + "\\.[0-9]\\)"),
        std::regex("lab\\(" + lightness + " " + signedTenths + " " + signedTenths + "\\)"),
        std::regex(fraction + ", " + fraction + ", " + fraction),
        std::regex("cmyk\\(" + percent + ", " + percent + ", " + percent + ", " + percent + "\\)"),
        std::regex("\\$" + hex),
        std::regex("&H" + hex + "&"),
        std::regex("0|[1-9][0-9]{0,7}"),
    };
    for (int red = 0; red <= 255; red += 17) {
        for (int green = 0; green <= 255; green += 17) {
            for (int blue = 0; blue <= 255; blue += 17) {
                const ColourFormatTexts texts = ColourFormats(Rgb(red, green, blue));
                for (std::size_t i = 0; i < kColourFormatCount; ++i) {
                    const std::string text(texts[i].begin(), texts[i].end());
                    ASSERT_TRUE(std::regex_match(text, formats[i])) << text;
                }
            }
        }
    }
}

TEST(Palette, WritesTheColoursInEachLayoutWithEveryLineEnded) {
    const std::vector<ColourValue> two{0xFF901E, 0xF0F0F0};
    const struct {
        PaletteLayout layout;
        const char16_t* none;
        const char16_t* two;
    } cases[] = {
        {PaletteLayout::kLines, u"", u"#1E90FF\r\n#F0F0F0\r\n"},
        {PaletteLayout::kCssVariables, u":root {\r\n}\r\n",
         u":root {\r\n  --color-1: #1E90FF;\r\n  --color-2: #F0F0F0;\r\n}\r\n"},
        {PaletteLayout::kJson, u"[]\r\n", u"[\"#1E90FF\", \"#F0F0F0\"]\r\n"},
        {PaletteLayout::kGimp, u"GIMP Palette\r\nName: Tintavo\r\nColumns: 0\r\n#\r\n",
         u"GIMP Palette\r\nName: Tintavo\r\nColumns: 0\r\n#\r\n 30 144 255\t#1E90FF\r\n240 240 240\t#F0F0F0\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PaletteText({}, c.layout), c.none);
        EXPECT_EQ(PaletteText(two, c.layout), c.two);
    }
    const std::vector<ColourValue> ten{0, 1, 2, 3, 4, 5, 6, 7, 8, 0x0A0000};
    EXPECT_TRUE(PaletteText(ten, PaletteLayout::kCssVariables).ends_with(u"  --color-10: #00000A;\r\n}\r\n"));
    EXPECT_TRUE(PaletteText(ten, PaletteLayout::kGimp).ends_with(u"\r\n  8   0   0\t#080000\r\n  0   0  10\t#00000A\r\n"));
}

class ColourMenusTest : public PickerTest {
protected:
    // Enter, as the window passes it on.
    void PressEnter() {
        const ColourMenus::SamplingSwitch held(menus);
        std::int16_t enter = 13;
        form.Form_KeyPress(enter);
    }
    void Sample(ColourValue colour) {
        if (!form.Capturing) PressEnter();
        PointAt(10, 10, colour);
        Tick();
    }
    void CopyFormat(std::size_t format) {
        menus.OfferFormats();
        menus.CopyOffered(format);
    }
    std::u16string Copied() { return platform.clipboard().Formats().at("CF_UNICODETEXT"); }
    const std::vector<ColourValue>& Recent() const { return menus.Recent().NewestFirst(); }

    ColourMenus menus{form, platform.clipboard()};
};

TEST_F(ColourMenusTest, KeepsHeldAndCopiedColoursNewestFirstEachOnceAndAtMostTen) {
    Sample(0x000001);
    PressEnter();
    PressEnter();
    Sample(0x000002);
    form.Label5.Click.Raise();
    CopyFormat(2);
    EXPECT_EQ(Copied(), u"hsl(0, 100%, 0%)");
    form.Text2.SetText(u"#00000A");
    form.Label5.Click.Raise();
    EXPECT_EQ(Recent(), (std::vector<ColourValue>{0x0A0000, 0x000002, 0x000001})) << "resuming adds nothing";

    form.Text2.SetText(u"not a code");
    form.Label5.Click.Raise();
    platform.clipboard().HoldOpenFor(1000);
    CopyFormat(0);
    EXPECT_EQ(Recent().size(), 3u) << "neither another text nor a failed copy is a colour";

    platform.clipboard().HoldOpenFor(0);
    for (ColourValue colour : {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x17}) {
        Sample(colour);
        PressEnter();
    }
    EXPECT_EQ(Recent(), (std::vector<ColourValue>{0x17, 0x1A, 0x19, 0x18, 0x16, 0x15, 0x14, 0x13, 0x12, 0x11}))
        << "a repeat moves to the top; the oldest go";
}

TEST_F(ColourMenusTest, AChoiceActsOnWhatTheMenuShowedWhenItOpened) {
    for (ColourValue colour : {0x563412, 0xFF901E}) {
        Sample(colour);
        PressEnter();
    }
    Sample(0x000080);
    menus.OfferFormats();
    menus.OfferRecent();
    Sample(0x00FF00);
    menus.CopyOffered(4);
    EXPECT_EQ(Copied(), u"0x00000080") << "the colour the swatch showed when the menu opened";
    EXPECT_TRUE(form.Capturing) << "copying changes nothing else";

    menus.CopyOfferedPalette(PaletteLayout::kJson);
    EXPECT_EQ(Copied(), u"[\"#1E90FF\", \"#123456\"]\r\n") << "the colours shown, newest first";
    EXPECT_TRUE(form.Capturing);
    EXPECT_EQ(Recent().size(), 3u) << "a palette is no new colour";

    menus.ChooseOffered(1);
    EXPECT_EQ(form.Label4.Caption(), kStatusHeld);
    EXPECT_EQ(Components(), (std::vector<std::u16string>{u"18", u"52", u"86"}));
    EXPECT_EQ(form.Text2.Text(), u"#123456") << "the code follows through the editors";
    EXPECT_EQ(Recent(), (std::vector<ColourValue>{0x000080, 0xFF901E, 0x563412})) << "neither held nor copied";

    form.Text2.SetText(u"typed over");
    menus.ChooseOffered(1);
    EXPECT_EQ(form.Text2.Text(), u"typed over") << "the same components, typed again, change nothing";
    menus.ChooseOffered(2);
    EXPECT_EQ(SwatchColour(), 0x563412) << "beyond what was shown nothing happens";
}

}  // namespace
}  // namespace tintavo
