#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "colour/colour_formats.h"
#include "colour/colour_names.h"
#include "colour/contrast.h"
#include "picker_fixture.h"
#include "platform/conversions.h"
#include "window/colour_info.h"
#include "window/colour_info_placement.h"

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
        {u"#00FFFF", u"aqua / cyan"},
        {u"#FF00FF", u"fuchsia / magenta"},
        {u"#808080", u"gray / grey"},
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
        {u"#595959", u"#FFFFFF", u"7.00:1", T, T, T, T, T},
        {u"#960FB1", u"#FFFFFF", u"6.99:1", T, T, F, T, T},  // 6.9999987
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

class ColourInfoTest : public PickerTest {
protected:
    void Sample(ColourValue colour) {
        PointAt(10, 10, colour);
        Tick();
    }

    ColourMenus menus{form, platform.clipboard()};
    ColourInfo info{form, menus};
};

TEST_F(ColourInfoTest, ShowsTheSwatchColourAgainstTheReferenceAndWritesOnlyOnAChange) {
    Sample(0x767676);
    info.ShowAll();
    EXPECT_EQ(info.Name.Caption(), u"名前  ≈ gray / grey");
    EXPECT_EQ(info.ReferenceLine.Caption(), u"基準色  #FFFFFF");
    EXPECT_EQ(info.Ratio.Caption(), u"コントラスト比  4.54:1");
    EXPECT_EQ(info.Verdicts[1].Caption(), u"AAA\t本文 ×\t大きな文字 ○");
    EXPECT_EQ(info.SpokenContrast(), u"コントラスト比 4.54:1、AA 本文 合格、AA 大きな文字 合格、AAA 本文 不合格、"
                                     u"AAA 大きな文字 合格、非テキスト 合格");
    Sample(0x767676);
    EXPECT_FALSE(info.Update()) << "a steady tick";
    std::int16_t enter = 13;
    form.Form_KeyPress(enter);
    Sample(0x000000);
    EXPECT_FALSE(info.Update()) << "a held tick";
    form.Text1[2].SetText(u"255");
    EXPECT_TRUE(info.Update()) << "an edit of the held colour";
    EXPECT_EQ(info.Formats[0].Caption(), u"#7676FF");
}

TEST_F(ColourInfoTest, LinksMakeTheReferenceAndCopyAFormatAsTheMenuDoes) {
    int referenceChanges = 0;
    info.ReferenceChanged.Handle([&] { ++referenceChanges; });
    Sample(0x018DFF);
    info.ShowAll();
    info.MakeReference.Click.Raise();
    EXPECT_EQ(referenceChanges, 1);
    EXPECT_EQ(info.ReferenceLine.Caption(), u"基準色  #FF8D01");
    EXPECT_EQ(info.Ratio.Caption(), u"コントラスト比  1.00:1");

    info.Formats[7].Click.Raise();
    EXPECT_EQ(platform.clipboard().Formats().at("CF_UNICODETEXT"), info.Formats[7].Caption());
    EXPECT_EQ(menus.Recent().NewestFirst(), std::vector<ColourValue>{0x018DFF});
    Sample(0x000000);
    info.Update();
    EXPECT_EQ(info.Ratio.Caption(), u"コントラスト比  9.06:1") << "against the reference kept";
}

TEST(ColourInfoPlacement, OpensBesideThePickerClearOfItAndTheMagnifierInsideTheWorkArea) {
    const PixelRect work{0, 0, 1280, 1000};
    const struct {
        PixelRect picker;
        std::optional<PixelRect> magnifier;
        int x, y;
    } cases[] = {
        {{100, 200, 300, 250}, std::nullopt, 400, 200},                    // right, tops aligned
        {{900, 700, 300, 250}, std::nullopt, 650, 590},                    // left, moved up
        {{100, 200, 1100, 250}, PixelRect{100, 450, 120, 140}, 100, 590},  // below the magnifier
        {{100, 200, 1100, 700}, std::nullopt, 1030, 200},                  // nowhere free: right, inside
    };
    for (const auto& c : cases) {
        const PixelRect placed = PlaceColourInfo(c.picker, c.magnifier, 250, 410, work);
        EXPECT_EQ((std::vector<int>{placed.x, placed.y}), (std::vector<int>{c.x, c.y})) << c.picker.x;
    }
}

}  // namespace
}  // namespace tintavo
