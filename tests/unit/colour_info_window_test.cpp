#include <gtest/gtest.h>

#include "picker_fixture.h"
#include "window/colour_info.h"
#include "window/colour_info_placement.h"

namespace tintavo {
namespace {

class ColourInfoTest : public PickerTest {
protected:
    void Sample(ColourValue colour) {
        PointAt(10, 10, colour);
        Tick();
    }
    std::u16string Copied() { return platform.clipboard().Formats().at("CF_UNICODETEXT"); }

    ColourMenus menus{form, platform.clipboard()};
    ColourInfo info{form, menus};
};

TEST_F(ColourInfoTest, ShowsTheSwatchColourAgainstTheReferenceAndWritesOnlyOnAChange) {
    Sample(0x767676);
    info.ShowAll();
    EXPECT_EQ(info.Name.Caption(), u"名前  ≈ gray / grey");
    EXPECT_EQ(info.ReferenceLine.Caption(), u"基準色  #FFFFFF");
    EXPECT_EQ(info.Ratio.Caption(), u"コントラスト比  4.54:1");
    EXPECT_EQ(info.Verdicts[0].Caption(), u"AA\t本文 ○\t大きな文字 ○");
    EXPECT_EQ(info.Verdicts[1].Caption(), u"AAA\t本文 ×\t大きな文字 ○");
    EXPECT_EQ(info.Verdicts[2].Caption(), u"非テキスト ○");
    EXPECT_EQ(info.Formats[1].Caption(), u"rgb(118, 118, 118)");
    EXPECT_EQ(info.SpokenContrast(), u"コントラスト比 4.54:1、AA 本文 合格、AA 大きな文字 合格、AAA 本文 不合格、"
                                     u"AAA 大きな文字 合格、非テキスト 合格");

    Sample(0x767676);
    EXPECT_FALSE(info.Update()) << "a steady tick";
    std::int16_t enter = 13;
    form.Form_KeyPress(enter);
    Sample(0x000000);
    EXPECT_FALSE(info.Update()) << "a held tick";
    form.Text1[0].SetText(u"30");
    form.Text1[1].SetText(u"144");
    form.Text1[2].SetText(u"255");
    EXPECT_TRUE(info.Update()) << "an edit of the held colour";
    EXPECT_EQ(info.Name.Caption(), u"名前  dodgerblue");
    EXPECT_EQ(info.Formats[0].Caption(), u"#1E90FF");
}

TEST_F(ColourInfoTest, LinksMakeTheReferenceAndCopyAFormatAsTheMenuDoes) {
    int referenceChanges = 0;
    info.ReferenceChanged.Handle([&] { ++referenceChanges; });
    Sample(0x018DFF);
    info.ShowAll();
    info.MakeReference.Click.Raise();
    EXPECT_EQ(info.Reference(), 0x018DFF);
    EXPECT_EQ(referenceChanges, 1);
    EXPECT_EQ(info.ReferenceLine.Caption(), u"基準色  #FF8D01");
    EXPECT_EQ(info.Ratio.Caption(), u"コントラスト比  1.00:1");

    info.Formats[7].Click.Raise();
    EXPECT_EQ(Copied(), info.Formats[7].Caption());
    EXPECT_EQ(menus.Recent().NewestFirst(), std::vector<ColourValue>{0x018DFF});
    platform.clipboard().HoldOpenFor(1000);
    info.Formats[0].Click.Raise();
    EXPECT_EQ(Copied(), info.Formats[7].Caption()) << "a busy clipboard is left as it was";

    Sample(0x000000);
    info.Update();
    EXPECT_EQ(info.ReferenceLine.Caption(), u"基準色  #FF8D01") << "the reference stays";
    EXPECT_EQ(info.Ratio.Caption(), u"コントラスト比  9.06:1");
}

TEST(ColourInfoPlacement, OpensBesideThePickerClearOfItAndTheMagnifierInsideTheWorkArea) {
    const PixelRect work{0, 0, 1280, 1000};
    const PixelRect magnifierBelow{100, 450, 120, 140};
    struct Case {
        PixelRect picker;
        std::optional<PixelRect> magnifier;
        PixelRect expected;
    };
    const std::vector<Case> cases{
        {{100, 200, 300, 250}, std::nullopt, {400, 200, 250, 420}},     // right, tops aligned
        {{900, 200, 300, 250}, std::nullopt, {650, 200, 250, 420}},     // no room right: left
        {{100, 700, 300, 250}, std::nullopt, {400, 580, 250, 420}},     // moved up into the work area
        {{100, 200, 1100, 250}, magnifierBelow, {100, 590, 250, 410}},  // below the magnifier
        {{100, 200, 1100, 700}, std::nullopt, {1030, 200, 250, 410}},   // no free place: right, inside
    };
    for (const Case& c : cases) {
        const PixelRect placed = PlaceColourInfo(c.picker, c.magnifier, c.expected.width, c.expected.height, work);
        EXPECT_EQ((std::vector<int>{placed.x, placed.y}), (std::vector<int>{c.expected.x, c.expected.y}))
            << "picker at " << c.picker.x << ", " << c.picker.y;
    }
}

}  // namespace
}  // namespace tintavo
