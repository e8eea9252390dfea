#include <gtest/gtest.h>

#include "picker_fixture.h"
#include "platform/sampling_platform.h"
#include "window/pointer_step.h"

namespace tintavo {
namespace {

using headless::ApiCall;
using headless::PixelGrid;

class SamplingTickTest : public PickerTest {};

TEST_F(SamplingTickTest, MakesItsCallsInOrderWithTheScreenSizeInTwipsAndGivesTheContextBack) {
    PointAt(640, 360, 0x563412);
    Tick();
    const std::vector<ApiCall>& calls = platform.fake().Calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0], (ApiCall{"GetCursorPos", {0, 0}}));
    EXPECT_EQ(calls[1], (ApiCall{"GetCapture", {}}));
    EXPECT_EQ(calls[2], (ApiCall{"GetWindowDC", {0}}));
    const DcHandle screenDc = calls[3].args[5];
    EXPECT_EQ(calls[3], (ApiCall{"BitBlt", {form.Picture1.hDC(), 0, 0, 28800, 16200, screenDc, 640, 360, 0xCC0020}}));
    EXPECT_EQ(calls[4], (ApiCall{"StretchBlt", {form.Picture2.hDC(), 0, 0, 78, 94, form.Picture1.hDC(), 0, 0, 1, 1}}));
    EXPECT_EQ(calls[5], (ApiCall{"ReleaseDC", {0, screenDc}}));
    EXPECT_EQ(platform.fake().WindowDcsInUse(), 0);

    EXPECT_EQ(Components(), (std::vector<std::u16string>{u"18", u"52", u"86"}));
    EXPECT_EQ(ScrollValues(), (std::vector<int>{18, 52, 86}));
    EXPECT_EQ(form.Text2.Text(), u"#123456");
    EXPECT_EQ(SwatchColour(), 0x563412);
}

TEST_F(SamplingTickTest, DoesNothingAtAllWhileHeld) {
    PointAt(5, 5, 0xFFFFFF);
    Tick();
    std::int16_t enter = 13;
    form.Form_KeyPress(enter);
    platform.fake().ClearCalls();
    PointAt(6, 6, 0x000080);
    for (int i = 0; i < 3; ++i) Tick();
    EXPECT_TRUE(platform.fake().Calls().empty());
    EXPECT_EQ(form.Text2.Text(), u"#FFFFFF");
    EXPECT_EQ(SwatchColour(), 0xFFFFFF);

    form.Form_KeyPress(enter);
    Tick();
    EXPECT_EQ(form.Text2.Text(), u"#800000");
}

TEST_F(SamplingTickTest, TheSameColourAgainRunsNoChangeHandlingButRebuildsTheCode) {
    PointAt(10, 10, 0x0A0B0C);
    Tick();
    ShownTexts red, green, blue;
    form.Text1[0].AttachView(&red);
    form.Text1[1].AttachView(&green);
    form.Text1[2].AttachView(&blue);
    red.shown.clear();
    green.shown.clear();
    blue.shown.clear();
    form.Text2.SetText(u"stale");
    Tick();
    EXPECT_TRUE(red.shown.empty() && green.shown.empty() && blue.shown.empty());
    EXPECT_EQ(form.Text2.Text(), u"#0C0B0A");
}

TEST_F(SamplingTickTest, RepaintsTheSwatchOnlyWhenItsColourChanges) {
    CountedRepaints swatch;
    form.Picture2.AttachView(&swatch);
    PointAt(10, 10, 0x0A0B0C);
    Tick();
    const int afterFirstTick = swatch.count;
    EXPECT_GT(afterFirstTick, 1);
    Tick();
    Tick();
    EXPECT_EQ(swatch.count, afterFirstTick);
    PointAt(10, 10, 0x0A0B0D);
    Tick();
    EXPECT_GT(swatch.count, afterFirstTick);
}

TEST_F(SamplingTickTest, IgnoresTheTopByteSoMinusOneIsWhite) {
    PointAt(3, 4, -1);
    Tick();
    EXPECT_EQ(Components(), (std::vector<std::u16string>{u"255", u"255", u"255"}));
    EXPECT_EQ(form.Text2.Text(), u"#FFFFFF");
}

TEST_F(SamplingTickTest, CopiesFromTheCapturingWindowAndGivesItsContextBackToIt) {
    constexpr WindowHandle kCapturing = 0x777;
    platform.fake().SetCaptureWindow(kCapturing);
    PixelGrid window(0, 0, 100, 50, 0x000000);
    window.At(7, 9) = 0x00FF00;
    platform.fake().SetWindowImage(kCapturing, window);
    PointAt(7, 9, 0x0000FF);  // the screen has another colour there
    Tick();
    const std::vector<ApiCall>& calls = platform.fake().Calls();
    EXPECT_EQ(calls[2], (ApiCall{"GetWindowDC", {kCapturing}}));
    EXPECT_EQ(calls[5], (ApiCall{"ReleaseDC", {kCapturing, calls[3].args[5]}}));
    EXPECT_EQ(form.Text2.Text(), u"#00FF00");
    EXPECT_EQ(platform.fake().WindowDcsInUse(), 0);
}

TEST_F(SamplingTickTest, AFailedCursorReadSamplesTheTopLeftPixel) {
    PointAt(0, 0, 0x0000FF);
    PointAt(200, 100, 0xFF0000);
    platform.fake().SetCursorReadFails(true);
    Tick();
    EXPECT_EQ(form.Text2.Text(), u"#FF0000");
}

TEST_F(SamplingTickTest, AFailedScreenContextKeepsThePreviousColourAndEndsNothing) {
    PointAt(50, 50, 0x336699);
    Tick();
    platform.fake().SetWindowDcFails(true);
    PointAt(50, 50, 0xFFFFFF);
    Tick();
    EXPECT_EQ(form.Text2.Text(), u"#996633");
    EXPECT_EQ(SwatchColour(), 0x336699);
}

TEST_F(SamplingTickTest, ReachesMonitorsLeftOfAndAboveThePrimaryOne) {
    platform.fake().SetScreen(PixelGrid(-1920, -1080, 3840, 2160, 0));
    PointAt(-1900, -5, 0xC0FFEE);
    Tick();
    EXPECT_EQ(platform.fake().Calls()[3].args[6], -1900);
    EXPECT_EQ(platform.fake().Calls()[3].args[7], -5);
    EXPECT_EQ(form.Text2.Text(), u"#EEFFC0");
}

TEST_F(SamplingTickTest, ANewColourReachesTheSwatchOneComponentAtATimeRedFirst) {
    struct BackColours : PictureBox::View {
        explicit BackColours(const PictureBox& box) : box_(box) {}
        void Repaint() override {
            if (seen.empty() || seen.back() != box_.BackColor()) seen.push_back(box_.BackColor());
        }
        const PictureBox& box_;
        std::vector<ColourValue> seen;
    } swatch(form.Picture2);
    form.Picture2.AttachView(&swatch);
    swatch.seen.clear();
    PointAt(1, 1, 0x1E140A);
    Tick();
    EXPECT_EQ(swatch.seen,
              (std::vector<ColourValue>{SystemColour(SystemColourIndex::kWindow), 0x00000A, 0x00140A, 0x1E140A}));
}

class SamplingTickAt144Dpi : public PickerTest {
protected:
    SamplingTickAt144Dpi() : PickerTest(144) {}
};

TEST_F(SamplingTickAt144Dpi, CopiesExactlyThePixelUnderTheCursor) {
    platform.screen().SetSizeTwips(2880 * 10.0f, 1620 * 10.0f);
    platform.fake().SetScreen(PixelGrid(0, 0, 2880, 1620, 0x000000));
    PointAt(1001, 1002, 0xABCDEF);
    platform.fake().ScreenImage().At(1002, 1002) = 0x111111;
    platform.fake().ScreenImage().At(1001, 1003) = 0x111111;
    Tick();
    EXPECT_EQ(platform.fake().Calls()[4],
              (ApiCall{"StretchBlt", {form.Picture2.hDC(), 0, 0, 118, 142, form.Picture1.hDC(), 0, 0, 1, 1}}));
    EXPECT_EQ(form.Text2.Text(), u"#EFCDAB");
    EXPECT_EQ(form.Picture2.Point(0, 0), 0xABCDEF);
}

TEST(SampleArea, TheMeanRoundsEachChannelHalfUp) {
    const std::vector<ColourValue> fourOfNineWhite{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, 0};
    EXPECT_EQ(MeanColour(fourOfNineWhite), 0x717171);
    EXPECT_EQ(MeanColour(std::vector<ColourValue>{0x010203, 0x020304}), 0x020304) << "1.5, 2.5 and 3.5 round up";
}

// In the corner of a monitor left of the primary one, a 3 × 3 area has 4 pixels on the monitor;
// only they are read and counted.
TEST(SampleArea, TheTickTakesTheMeanOfTheAreaThatLiesOnAMonitor) {
    headless::HeadlessPlatform platform;
    SamplingPlatform sampling{platform};
    Form1 form{sampling, 96};
    form.Form_Load();
    platform.fake().SetScreen(PixelGrid(-1280, 0, 3200, 1200, 0x0000FF));
    platform.screen().SetMonitors({{0, 0, 1920, 1080}, {-1280, 100, 1280, 1024}});
    for (int x : {-1280, -1279}) {
        for (int y : {100, 101}) platform.fake().ScreenImage().At(x, y) = x == -1280 && y == 100 ? 0x000000 : 0xFFFFFF;
    }
    platform.fake().SetCursor(-1280, 100);
    sampling.SetSampleSide(3);
    platform.fake().ClearCalls();
    form.Timer1.Tick.Raise();
    EXPECT_EQ(form.Text2.Text(), u"#BFBFBF") << "three white pixels and one black";
    const ApiCall& read = platform.fake().Calls()[3];
    EXPECT_EQ(std::vector<std::intptr_t>(read.args.begin() + 1, read.args.end() - 1),
              (std::vector<std::intptr_t>{1, 1, 2, 2, read.args[5], -1280, 100})) << "only the monitor's pixels";
}

TEST(PointerStep, MovesOntoAnyMonitorAndStopsAtTheDesktopsEdge) {
    const std::vector<PixelRect> monitors{{0, 0, 1920, 1080}, {-1280, 100, 1280, 1024}};
    const struct {
        CursorPoint from;
        int dx, dy;
        CursorPoint to;
    } cases[] = {
        {{10, 10}, 1, 0, {11, 10}},
        {{0, 500}, -1, 0, {-1, 500}},          // onto the monitor on the left
        {{1915, 500}, 10, 0, {1919, 500}},     // stops at the right edge
        {{0, 50}, -10, 0, {0, 50}},            // left of it lies no monitor there
        {{-1280, 1120}, 0, 10, {-1280, 1123}},
        {{-5, 50}, 1, 0, {-5, 50}},            // a pointer between the monitors stays
    };
    for (const auto& c : cases) {
        const CursorPoint to = StepPointer(c.from, c.dx, c.dy, monitors);
        EXPECT_EQ((std::vector<int>{to.x, to.y}), (std::vector<int>{c.to.x, c.to.y})) << c.from.x << ", " << c.from.y;
    }
}

}  // namespace
}  // namespace tintavo
