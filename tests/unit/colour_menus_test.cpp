#include <gtest/gtest.h>

#include "colour/colour_formats.h"
#include "picker_fixture.h"
#include "window/colour_menus.h"

namespace tintavo {
namespace {

TEST(ColourFormats, NamesTheColourInEachFormatWithHalvesRoundedUp) {
    const struct {
        ColourValue colour;
        std::array<std::u16string, kColourFormatCount> texts;
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
        EXPECT_EQ(ColourFormats(c.colour), c.texts) << std::hex << c.colour;
        EXPECT_EQ(ColourOfCode(c.texts[0]), c.colour);
    }
    for (const char16_t* notACode : {u"", u"#12345", u"#1234567", u"123456#", u"#12345G", u" #123456"}) {
        EXPECT_EQ(ColourOfCode(notACode), std::nullopt);
    }
    EXPECT_EQ(ColourOfCode(u"#abcdef"), 0xEFCDAB);
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
