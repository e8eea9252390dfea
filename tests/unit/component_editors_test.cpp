#include <gtest/gtest.h>

#include "picker_fixture.h"
#include "platform/conversions.h"

namespace tintavo {
namespace {

class ComponentEditorsTest : public PickerTest {
protected:
    ComponentEditorsTest() {
        std::int16_t enter = 13;
        form.Form_KeyPress(enter);  // hold, as users do before editing
        for (int i = 0; i < 3; ++i) {
            form.Text1[i].AttachView(&boxes[i]);
            form.HScroll1[i].AttachView(&bars[i]);
            boxes[i].shown.clear();
            bars[i].shown.clear();
        }
        form.Text2.AttachView(&code);
        code.shown.clear();
    }

    ShownTexts boxes[3];
    ShownValues bars[3];
    ShownTexts code;
};

TEST_F(ComponentEditorsTest, MovingAScrollBarBringsItsBoxTheSwatchAndTheCodeAlong) {
    form.HScroll1[0].SetValue(128);
    EXPECT_EQ(form.Text1[0].Text(), u"128");
    EXPECT_EQ(form.Picture2.BackColor(), 128);
    EXPECT_EQ(SwatchColour(), 128);
    EXPECT_EQ(form.Text2.Text(), u"#800000");
    EXPECT_EQ(bars[0].shown, std::vector<int>{128}) << "the box's handler writes the same value back: no event";
}

TEST_F(ComponentEditorsTest, ATypedValueMovesTheScrollBarAndTheBoxShowsThePlainNumber) {
    form.Text1[1].Edited(u"7");
    EXPECT_EQ(form.HScroll1[1].Value(), 7);
    EXPECT_EQ(form.Text2.Text(), u"#000700");
    EXPECT_TRUE(boxes[1].shown.empty()) << "the text was already the plain number";

    form.Text1[1].Edited(u"070");
    EXPECT_EQ(form.HScroll1[1].Value(), 70);
    EXPECT_EQ(form.Text1[1].Text(), u"70");
    EXPECT_EQ(boxes[1].shown, std::vector<std::u16string>{u"70"});

    form.Text1[2].Edited(u" 12 ");
    EXPECT_EQ(form.Text1[2].Text(), u"12");
    form.Text1[2].Edited(u"2.5");
    EXPECT_EQ(form.Text1[2].Text(), u"2");
    form.Text1[2].Edited(u"3.5");
    EXPECT_EQ(form.Text1[2].Text(), u"4");
    EXPECT_EQ(form.Text2.Text(), u"#004604");
    EXPECT_EQ(SwatchColour(), 0x044600);
}

TEST_F(ComponentEditorsTest, ATextOfTheSameValueStaysAsTypedAndLeavesTheCodeAlone) {
    form.Text1[0].Edited(u"7");
    code.shown.clear();
    for (const char16_t* text : {u"07", u"007", u" 7", u"7.0", u"+7"}) {
        form.Text1[0].Edited(text);
        EXPECT_EQ(form.Text1[0].Text(), text);
        EXPECT_EQ(form.HScroll1[0].Value(), 7);
        EXPECT_EQ(form.Picture2.BackColor(), 7);
    }
    EXPECT_TRUE(code.shown.empty());
    EXPECT_EQ(bars[0].shown, std::vector<int>{7});
}

TEST_F(ComponentEditorsTest, AnInvalidTextEndsNothingAndKeepsTheLastValidColour) {
    form.Text1[0].Edited(u"18");
    form.Text1[1].Edited(u"52");
    form.Text1[2].Edited(u"86");
    for (const char16_t* text : {u"", u" ", u"abc", u"-", u"256", u"99999", u"1e9", u"-1", u"12a", u"３００"}) {
        for (int i = 0; i < 3; ++i) {
            ASSERT_NO_THROW(form.Text1[i].Edited(text));
            EXPECT_EQ(form.Text1[i].Text(), text) << "the box keeps what the user typed";
            EXPECT_EQ(ScrollValues(), (std::vector<int>{18, 52, 86}));
            EXPECT_EQ(form.Picture2.BackColor(), 0x563412);
            EXPECT_EQ(form.Text2.Text(), u"#123456");
            form.Text1[i].Edited(IntegerToText(ScrollValues()[static_cast<std::size_t>(i)]));
        }
    }
    form.Text1[1].Edited(u"");
    form.Text1[1].Edited(u"２００");
    EXPECT_EQ(form.HScroll1[1].Value(), 200);
    EXPECT_EQ(form.Text1[1].Text(), u"200");
    EXPECT_EQ(form.Text2.Text(), u"#12C856");
    EXPECT_EQ(form.Picture2.BackColor(), 0x56C812);
}

TEST_F(ComponentEditorsTest, AnEmptiedBoxTakesTheValueTypedNextEvenWhenItIsTheOldOne) {
    form.Text1[0].Edited(u"5");
    form.Text1[0].Edited(u"");
    form.Text1[0].Edited(u"5");
    EXPECT_EQ(form.HScroll1[0].Value(), 5);
    EXPECT_EQ(form.Text2.Text(), u"#050000");
}

TEST_F(ComponentEditorsTest, ScrollBarStepsAndADraggedThumbThatFollowsOnlyAtRelease) {
    form.HScroll1[2].Scroll(ScrollRequest::kLineRight, 0);
    EXPECT_EQ(form.Text1[2].Text(), u"1");
    form.HScroll1[2].Scroll(ScrollRequest::kPageRight, 0);
    EXPECT_EQ(form.Text1[2].Text(), u"6");
    form.HScroll1[2].Scroll(ScrollRequest::kThumbTrack, 77);
    EXPECT_EQ(form.Text1[2].Text(), u"6");
    EXPECT_EQ(form.Text2.Text(), u"#000006");
    form.HScroll1[2].Scroll(ScrollRequest::kThumbRelease, 77);
    EXPECT_EQ(form.Text1[2].Text(), u"77");
    EXPECT_EQ(form.Text2.Text(), u"#00004D");
    EXPECT_EQ(SwatchColour(), 0x4D0000);
}

TEST_F(ComponentEditorsTest, AHandEditLastsOnlyUntilTheNextTickWhileSampling) {
    std::int16_t enter = 13;
    form.Form_KeyPress(enter);
    PointAt(9, 9, 0x000000);
    form.Text1[0].Edited(u"99");
    EXPECT_EQ(form.Text2.Text(), u"#630000");
    Tick();
    EXPECT_EQ(Components(), (std::vector<std::u16string>{u"0", u"0", u"0"}));
    EXPECT_EQ(form.Text2.Text(), u"#000000");
    EXPECT_EQ(ScrollValues(), (std::vector<int>{0, 0, 0}));
}

TEST_F(ComponentEditorsTest, AnInvalidTextIsOverwrittenByTheNextSampledColour) {
    std::int16_t enter = 13;
    form.Form_KeyPress(enter);
    form.Text1[2].Edited(u"abc");
    PointAt(9, 9, 0xFF0000);
    Tick();
    EXPECT_EQ(Components(), (std::vector<std::u16string>{u"0", u"0", u"255"}));
    EXPECT_EQ(form.Text2.Text(), u"#0000FF");
}

}  // namespace
}  // namespace tintavo
