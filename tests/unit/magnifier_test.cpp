#include <gtest/gtest.h>

#include <vector>

#include "magnifier/magnifier.h"
#include "magnifier/placement.h"
#include "platform/sampling_platform.h"
#include "platform/headless/headless_platform.h"
#include "window/form1.h"

namespace tintavo {
namespace {

using headless::ApiCall;
using headless::PixelGrid;

// A colour that tells each screen pixel apart.
ColourValue ColourAt(int x, int y) { return ((x + 4096) & 0xFFF) | ((y + 4096) & 0xFFF) << 12; }

PixelGrid NumberedScreen(int left, int top, int width, int height) {
    PixelGrid screen(left, top, width, height, 0);
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) screen.At(x, y) = ColourAt(x, y);
    }
    return screen;
}

// The magnifier beside a loaded picker, both on the headless platform, the picker's calls
// passing through the recording of the cursor as in the real window.
class MagnifierTest : public testing::Test {
protected:
    MagnifierTest() : platform(NumberedScreen(0, 0, 1920, 1080)) {
        form.hWnd = 0x5150;
        form.Form_Load();
    }

    void Tick() {
        form.Timer1.Tick.Raise();
        repainted = magnifier.AfterTick(form.Capturing, recording.LastCursor());
    }

    void PressEnter() {
        std::int16_t enter = 13;
        form.Form_KeyPress(enter);
    }

    // The pixels shown, row by row, compared with the screen's around a centre; pixels on no
    // monitor are expected black.
    void ExpectShowsAround(int cx, int cy, const std::vector<PixelRect>& monitors) {
        for (int row = 0; row < kMagnifiedSide; ++row) {
            for (int column = 0; column < kMagnifiedSide; ++column) {
                const int x = cx - kMagnifiedCentre + column;
                const int y = cy - kMagnifiedCentre + row;
                bool onMonitor = false;
                for (const PixelRect& m : monitors) {
                    onMonitor |= x >= m.x && y >= m.y && x < m.x + m.width && y < m.y + m.height;
                }
                const ColourValue expected = onMonitor ? platform.fake().ScreenImage().At(x, y) : 0;
                ASSERT_EQ(magnifier.PixelAt(column, row), expected) << "screen pixel " << x << ", " << y;
                ASSERT_EQ(magnifier.Picture().PixelAt(column, row), expected) << "screen pixel " << x << ", " << y;
            }
        }
    }

    headless::HeadlessPlatform platform;
    SamplingPlatform recording{platform};
    Form1 form{recording, 96};
    Magnifier magnifier{platform};
    bool repainted = false;
};

TEST_F(MagnifierTest, ShowsTheBlockAroundThePixelTheTickReadWithOneScreenRead) {
    platform.fake().SetCursor(700, 400);
    form.Timer1.Tick.Raise();
    platform.fake().ClearCalls();
    EXPECT_TRUE(magnifier.AfterTick(form.Capturing, recording.LastCursor()));
    ExpectShowsAround(700, 400, platform.screen().Monitors());
    EXPECT_EQ(magnifier.PixelAt(kMagnifiedCentre, kMagnifiedCentre),
              form.Picture2.Point(form.Picture2.Width() / 2, form.Picture2.Height() / 2));

    const std::vector<ApiCall>& calls = platform.fake().Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], (ApiCall{"GetWindowDC", {0}}));
    EXPECT_EQ(calls[1], (ApiCall{"BitBlt", {magnifier.Picture().Dc(), 0, 0, 11, 11, calls[1].args[5], 695, 395, kSrcCopy}}));
    EXPECT_EQ(platform.fake().WindowDcsInUse(), 0);
}

TEST_F(MagnifierTest, ShowsBlackWherePixelsLieOnNoMonitorAlsoLeftOfAndAboveThePrimary) {
    // A monitor left of the primary one and lower; the screen image holds colours between
    // the monitors too, which no monitor shows.
    const std::vector<PixelRect> monitors{{0, 0, 1920, 1080}, {-1280, 100, 1280, 1024}};
    platform.fake().SetScreen(NumberedScreen(-1280, -50, 3200, 1300));
    platform.screen().SetMonitors(monitors);
    struct Case {
        int x, y;
    };
    for (const Case& at : {Case{-3, 103}, Case{-640, 97}, Case{1915, 1077}, Case{2, 2}, Case{-1279, 1120}}) {
        SCOPED_TRACE(testing::Message() << "pointer at " << at.x << ", " << at.y);
        magnifier.Follow({at.x, at.y});
        ExpectShowsAround(at.x, at.y, monitors);
    }
    magnifier.Follow({-3000, -3000});
    ExpectShowsAround(-3000, -3000, monitors);
    EXPECT_EQ(platform.fake().WindowDcsInUse(), 0);
}

TEST_F(MagnifierTest, RepaintsOnlyWhenAPixelOfTheBlockChanged) {
    platform.fake().SetCursor(300, 300);
    Tick();
    EXPECT_TRUE(repainted);
    Tick();
    EXPECT_FALSE(repainted);
    platform.fake().ScreenImage().At(305, 305) = 0x010203;  // the bottom-right corner
    Tick();
    EXPECT_TRUE(repainted);
    platform.fake().ScreenImage().At(306, 305) = 0x010203;  // just outside
    Tick();
    EXPECT_FALSE(repainted);
}

TEST_F(MagnifierTest, StaysFrozenWhileTheColourIsHeldAndFollowsAgainOnResuming) {
    platform.fake().SetCursor(100, 100);
    Tick();
    PressEnter();
    platform.fake().ClearCalls();
    platform.fake().SetCursor(900, 900);
    platform.fake().ScreenImage().At(100, 100) = 0xFFFFFF;
    Tick();
    EXPECT_FALSE(repainted);
    EXPECT_TRUE(platform.fake().Calls().empty());
    EXPECT_EQ(magnifier.PixelAt(kMagnifiedCentre, kMagnifiedCentre), ColourAt(100, 100));

    PressEnter();
    Tick();
    EXPECT_TRUE(repainted);
    ExpectShowsAround(900, 900, platform.screen().Monitors());
}

TEST_F(MagnifierTest, AFailedScreenReadKeepsTheLastPicture) {
    magnifier.Follow({50, 60});
    platform.fake().SetWindowDcFails(true);
    EXPECT_FALSE(magnifier.Follow({500, 600}));
    platform.fake().SetWindowDcFails(false);
    ExpectShowsAround(50, 60, platform.screen().Monitors());
}

TEST(MagnifiedSquareSize, IsNineAt96DpiScaledAndRoundedHalfUp) {
    const std::vector<std::pair<int, int>> cases{{96, 9}, {120, 11}, {144, 14}, {168, 16}, {192, 18}, {240, 23}, {288, 27}};
    for (const auto& [dpi, size] : cases) EXPECT_EQ(MagnifiedSquareSize(dpi), size) << dpi << " DPI";
}

TEST(FrameColour, IsWhichOfBlackAndWhiteContrastsMore) {
    for (ColourValue light : {0xFFFFFF, 0x808080, 0x00FFFF, 0x00FF00, 0x0000FF}) {
        EXPECT_EQ(FrameColourFor(light), 0x000000) << std::hex << light;
    }
    for (ColourValue dark : {0x000000, 0x404040, 0xFF0000, 0x800080, 0x595959}) {
        EXPECT_EQ(FrameColourFor(dark), 0xFFFFFF) << std::hex << dark;
    }
}

TEST(MagnifierPlacement, OpensBelowThePickerAboveWhenNoRoomAndInsideTheWorkArea) {
    const PixelRect work{0, 0, 1280, 1000};
    struct Case {
        PixelRect picker;
        PixelRect expected;
    };
    const std::vector<Case> cases{
        {{100, 200, 300, 250}, {100, 450, 120, 140}},    // below, left edges aligned
        {{100, 800, 300, 150}, {100, 660, 120, 140}},    // no room below: above
        {{-50, 200, 300, 250}, {0, 450, 120, 140}},      // pushed right into the work area
        {{1240, 200, 300, 250}, {1160, 450, 120, 140}},  // pushed left
        {{100, 60, 300, 900}, {100, 0, 120, 140}},       // room on neither side: kept inside
    };
    for (const Case& c : cases) {
        const PixelRect placed = PlaceMagnifier(c.picker, 120, 140, work);
        EXPECT_EQ((std::vector<int>{placed.x, placed.y, placed.width, placed.height}),
                  (std::vector<int>{c.expected.x, c.expected.y, c.expected.width, c.expected.height}))
            << "picker at " << c.picker.x << ", " << c.picker.y;
    }
}

}  // namespace
}  // namespace tintavo
