#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "colour/colour_formats.h"
#include "colour/colour_names.h"
#include "colour/contrast.h"
#include "platform/conversions.h"

namespace tintavo {
namespace {

ColourValue Colour(std::u16string_view code) { return ColourOfCode(code).value(); }

TEST(ColourName, NamesTheNearestKeywordAndAllKeywordsOfItsColour) {
    for (const NamedColour& named : NamedColours()) {
        const auto rgb = static_cast<int>(named.rgb);
        const std::u16string shown = ColourName(Rgb(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
        const std::u16string name(named.name.begin(), named.name.end());
        EXPECT_NE((u" / " + shown + u" / ").find(u" / " + name + u" / "), std::u16string::npos) << named.name;
    }
    const struct {
        const char16_t* code;
        const char16_t* name;
    } cases[] = {
        {u"#1E90FF", u"dodgerblue"},
        {u"#FF8D01", u"\u2248 darkorange"},
        {u"#3A6EA5", u"\u2248 steelblue"},
        {u"#123456", u"\u2248 midnightblue"},
        {u"#FEFEFE", u"\u2248 white"},
        {u"#00FFFF", u"aqua / cyan"},
        {u"#FF00FF", u"fuchsia / magenta"},
        {u"#808080", u"gray / grey"},
        {u"#808081", u"\u2248 gray / grey"},
        {u"#A9A9A9", u"darkgray / darkgrey"},
        {u"#778899", u"lightslategray / lightslategrey"},
        // The closest call of all colours: dimgray is 3e-8 further.
        {u"#605C43", u"\u2248 darkolivegreen"},
    };
    for (const auto& c : cases) EXPECT_EQ(ColourName(Colour(c.code)), c.name) << Colour(c.code);
}

TEST(Contrast, CutsTheRatioToTwoDecimalsAndJudgesTheUncutRatio) {
    constexpr bool F = false, T = true;
    const struct {
        const char16_t* first;
        const char16_t* second;
        const char16_t* text;
        bool aaText, aaLargeText, aaaText, aaaLargeText, nonText;
    } cases[] = {
        {u"#FFFFFF", u"#000000", u"21.00:1", T, T, T, T, T},
        {u"#123456", u"#123456", u"1.00:1", F, F, F, F, F},
        {u"#FEFEFE", u"#FFFFFF", u"1.00:1", F, F, F, F, F},
        {u"#595959", u"#FFFFFF", u"7.00:1", T, T, T, T, T},
        {u"#960FB1", u"#FFFFFF", u"6.99:1", T, T, F, T, T},  // 6.9999987
        {u"#6F6F6F", u"#FFFFFF", u"5.02:1", T, T, F, T, T},
        {u"#767676", u"#FFFFFF", u"4.54:1", T, T, F, T, T},
        {u"#000000", u"#458301", u"4.49:1", F, T, F, F, T},  // 4.49999993
        {u"#777777", u"#FFFFFF", u"4.47:1", F, T, F, F, T},
        {u"#989A30", u"#FFFFFF", u"2.99:1", F, F, F, F, F},  // 2.99999977
        {u"#959595", u"#FFFFFF", u"2.99:1", F, F, F, F, F},  // 2.9953
    };
    for (const auto& c : cases) {
        const double ratio = ContrastRatio(Colour(c.first), Colour(c.second));
        EXPECT_EQ(ContrastRatio(Colour(c.second), Colour(c.first)), ratio);
        EXPECT_EQ(ContrastRatioText(ratio), c.text);
        const ContrastVerdicts verdicts = JudgeContrast(ratio);
        EXPECT_EQ((std::array{verdicts.aaText, verdicts.aaLargeText, verdicts.aaaText, verdicts.aaaLargeText,
                              verdicts.nonText}),
                  (std::array{c.aaText, c.aaLargeText, c.aaaText, c.aaaLargeText, c.nonText}))
            << ratio;
    }
    // A ratio a rounding error under a whole hundredth still writes that hundredth.
    EXPECT_EQ(ContrastRatioText(std::nextafter(21.0, 0.0)), u"21.00:1");
    EXPECT_EQ(ContrastRatioText(std::nextafter(1.0, 0.0)), u"1.00:1");
}

}  // namespace
}  // namespace tintavo
