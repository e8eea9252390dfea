#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/label.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/scroll_bar.h"
#include "platform/forms/text_box.h"
#include "platform/forms/view_batch.h"
#include "picker_fixture.h"
#include "platform/headless/headless_platform.h"
#include "platform/runtime_error.h"

namespace tintavo {
namespace {

constexpr ScrollBar::Range kRange{0, 255, 1, 5};

TEST(TextBox, RaisesChangeOnlyWhenTheTextChangesAndInsideTheWrite) {
    TextBox box(u"0");
    ShownTexts view;
    box.AttachView(&view);
    std::vector<std::u16string> seenByHandler;
    box.Change.Handle([&] { seenByHandler.push_back(box.Text()); });

    box.SetText(u"0");
    box.Edited(u"0");
    EXPECT_TRUE(seenByHandler.empty());

    box.SetText(u"7");
    ASSERT_EQ(seenByHandler, std::vector<std::u16string>{u"7"});
    box.Edited(u"07");
    EXPECT_EQ(seenByHandler.back(), u"07");
    // The user's own edit is already on screen; only the program's writes are shown.
    EXPECT_EQ(view.shown, (std::vector<std::u16string>{u"0", u"7"}));
}

TEST(TextBox, NestedWritesFinishBeforeTheOuterWriteReturns) {
    TextBox box(u"0");
    std::vector<std::string> trace;
    box.Change.Handle([&] {
        trace.push_back("change " + std::string(box.Text().begin(), box.Text().end()));
        if (box.Text() == u"07") box.SetText(u"7");
    });
    box.Edited(u"07");
    trace.push_back("returned");
    EXPECT_EQ(trace, (std::vector<std::string>{"change 07", "change 7", "returned"}));
    EXPECT_EQ(box.Text(), u"7");
}

TEST(ScrollBar, RaisesChangeOnlyForANewValueAndRefusesValuesOutsideItsRange) {
    ScrollBar bar(kRange);
    int changes = 0;
    bar.Change.Handle([&] { ++changes; });

    bar.SetValue(0);
    EXPECT_EQ(changes, 0);
    bar.SetValue(255);
    EXPECT_EQ(changes, 1);
    for (int outside : {-1, 256, 32767}) {
        try {
            bar.SetValue(outside);
            ADD_FAILURE() << outside << " was accepted";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), RuntimeError::kInvalidPropertyValue);
        }
    }
    EXPECT_EQ(bar.Value(), 255);
    EXPECT_EQ(changes, 1);
}

TEST(ScrollBar, StepsByOneOnTheArrowsAndFiveInTheTroughWithinItsRange) {
    ScrollBar bar(kRange);
    bar.Scroll(ScrollRequest::kLineLeft, 0);
    EXPECT_EQ(bar.Value(), 0);
    bar.Scroll(ScrollRequest::kLineRight, 0);
    EXPECT_EQ(bar.Value(), 1);
    bar.Scroll(ScrollRequest::kPageRight, 0);
    EXPECT_EQ(bar.Value(), 6);
    bar.Scroll(ScrollRequest::kPageLeft, 0);
    bar.Scroll(ScrollRequest::kPageLeft, 0);
    EXPECT_EQ(bar.Value(), 0);
    bar.Scroll(ScrollRequest::kToMax, 0);
    bar.Scroll(ScrollRequest::kPageRight, 0);
    EXPECT_EQ(bar.Value(), 255);
    bar.Scroll(ScrollRequest::kToMin, 0);
    EXPECT_EQ(bar.Value(), 0);
}

TEST(ScrollBar, ADraggedThumbMovesOnScreenButTheValueFollowsOnlyAtRelease) {
    ScrollBar bar(kRange);
    ShownValues view;
    bar.AttachView(&view);
    int changes = 0;
    bar.Change.Handle([&] { ++changes; });

    bar.Scroll(ScrollRequest::kThumbTrack, 40);
    bar.Scroll(ScrollRequest::kThumbTrack, 90);
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(view.shown.back(), 90);

    bar.Scroll(ScrollRequest::kThumbRelease, 90);
    EXPECT_EQ(bar.Value(), 90);
    EXPECT_EQ(changes, 1);
}

TEST(Label, ShowsItsUnderlineOnlyWhenItChanges) {
    struct View : Label::View {
        void ShowCaption(const std::u16string& caption) override { captions.push_back(caption); }
        void ShowUnderline(bool on) override { underlines.push_back(on); }
        std::vector<std::u16string> captions;
        std::vector<bool> underlines;
    } view;
    Label label(u"R");
    label.AttachView(&view);
    label.SetFontUnderline(false);
    label.SetFontUnderline(true);
    label.SetFontUnderline(true);
    label.SetCaption(u"G");
    EXPECT_EQ(view.underlines, (std::vector<bool>{false, true}));
    EXPECT_EQ(view.captions, (std::vector<std::u16string>{u"R", u"G"}));
}

class PictureBoxTest : public testing::Test {
protected:
    headless::HeadlessPlatform platform;
};

TEST_F(PictureBoxTest, MeasuresItsDrawingAreaInTwipsAtItsDpi) {
    PictureBox at96(platform, 0, {1200, 1440, 78, 94, 96});
    EXPECT_FLOAT_EQ(at96.ScaleWidth(), 1170.0f);
    EXPECT_FLOAT_EQ(at96.ScaleHeight(), 1410.0f);
    EXPECT_FLOAT_EQ(at96.Width(), 1200.0f);
    PictureBox at144(platform, 0, {15, 15, 1, 1, 144});
    EXPECT_FLOAT_EQ(at144.ScaleWidth(), 10.0f);
    EXPECT_EQ(at144.Image().Width(), 1);
}

TEST_F(PictureBoxTest, PointReadsTheImageInTwipsAndGivesMinusOneOutsideIt) {
    PictureBox box(platform, 0x112233, {1200, 1440, 78, 94, 96});
    EXPECT_EQ(box.Point(0, 0), 0x112233);
    EXPECT_EQ(box.Point(1169.9f, 1409.9f), 0x112233);
    EXPECT_EQ(box.Point(1170, 0), -1);
    EXPECT_EQ(box.Point(0, 1410), -1);
    EXPECT_EQ(box.Point(-0.1f, 0), -1);
    box.SetBackColor(SystemColour(SystemColourIndex::kWindow));
    EXPECT_EQ(box.Point(600, 720), 0xFFFFFF);
}

TEST_F(PictureBoxTest, PaintPictureStretchesOnePixelOverTheWholeImage) {
    PictureBox buffer(platform, 0, {15, 15, 1, 1, 144});
    PictureBox swatch(platform, 0, {1200, 1440, 118, 142, 144});
    platform.fake().SetScreen(headless::PixelGrid(0, 0, 4, 4, 0x00ABCDEF));
    const DcHandle screen = platform.fake().GetWindowDC(0);
    platform.fake().BitBlt(buffer.hDC(), 0, 0, 1000, 1000, screen, 2, 2, kSrcCopy);
    platform.fake().ReleaseDC(0, screen);

    swatch.PaintPicture(buffer.Image(), 0, 0, swatch.ScaleWidth(), swatch.ScaleHeight(), 0, 0, buffer.ScaleWidth(),
                        buffer.ScaleHeight());
    EXPECT_EQ(swatch.Point(0, 0), 0x00ABCDEF);
    EXPECT_EQ(swatch.Point(swatch.ScaleWidth() - 1, swatch.ScaleHeight() - 1), 0x00ABCDEF);
    EXPECT_EQ(swatch.Point(600, 720), 0x00ABCDEF);
}

TEST_F(PickerTest, InABatchTheEventsRunAsBeforeAndEachControlIsShownOnceWithItsFinalState) {
    ShownTexts red, green, code;
    ShownValues greenBar;
    form.Text1[0].AttachView(&red);
    form.Text1[1].AttachView(&green);
    form.HScroll1[1].AttachView(&greenBar);
    form.Text2.AttachView(&code);
    CountedRepaints swatch;
    form.Picture2.AttachView(&swatch);
    std::vector<std::u16string> codes;
    form.Text2.Change.Handle([&] { codes.push_back(form.Text2.Text()); });

    PointAt(1, 1, 0x1E140A);
    {
        const ViewBatch batch;
        Tick();
        EXPECT_EQ(code.shown.size(), 1u) << "shown only when the batch closes";
    }
    EXPECT_EQ(codes, (std::vector<std::u16string>{u"#0A0000", u"#0A1400", u"#0A141E"})) << "the design's cascade";
    EXPECT_EQ(code.shown, (std::vector<std::u16string>{u"", u"#0A141E"}));
    EXPECT_EQ(red.shown, (std::vector<std::u16string>{u"0", u"10"}));
    EXPECT_EQ(greenBar.shown, (std::vector<int>{0, 20}));
    EXPECT_EQ(swatch.count, 2) << "the swatch, drawn four times, is repainted once after the first";
    {
        const ViewBatch outer;
        {
            const ViewBatch inner;
            form.Text1[1].Edited(u"07");
        }
        EXPECT_EQ(green.shown.size(), 2u) << "an inner batch leaves the showing to the outermost";
    }
    EXPECT_EQ(green.shown, (std::vector<std::u16string>{u"0", u"20", u"7"})) << "the typed 07 is rewritten once";
    EXPECT_EQ(greenBar.shown.back(), 7);
    EXPECT_EQ(code.shown.back(), u"#0A071E");
}

}  // namespace
}  // namespace tintavo
