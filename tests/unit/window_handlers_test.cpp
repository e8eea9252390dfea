#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/headless_platform.h"
#include "window/form1.h"

namespace tintavo {
namespace {

using headless::ApiCall;

class WindowHandlersTest : public testing::Test {
protected:
    static constexpr WindowHandle kForm = 0x5150;

    WindowHandlersTest() { form.hWnd = kForm; }

    const std::vector<ApiCall>& Calls() { return platform.fake().Calls(); }

    headless::HeadlessPlatform platform;
    Form1 form{platform, 96};
};

TEST_F(WindowHandlersTest, StartsWithTheDesignValues) {
    EXPECT_FALSE(form.Capturing);
    for (const TextBox& box : form.Text1) EXPECT_EQ(box.Text(), u"0");
    for (const ScrollBar& bar : form.HScroll1) {
        EXPECT_EQ(bar.Value(), 0);
        EXPECT_EQ(bar.range().max, 255);
    }
    EXPECT_EQ(form.Text2.Text(), u"");
    EXPECT_EQ(form.Label4.Caption(), kStatusSampling);
    EXPECT_FALSE(form.Label5.FontUnderline());
    EXPECT_EQ(form.Picture2.Point(600, 720), 0xFFFFFF);
    EXPECT_EQ(form.HexDigit, (std::array<char16_t, 6>{}));
    EXPECT_EQ(form.Timer1.Interval(), 100);
}

TEST_F(WindowHandlersTest, LoadMakesTheWindowTopmostAndTurnsSamplingOn) {
    form.Form_Load();
    EXPECT_EQ(Calls(), (std::vector<ApiCall>{{"SetWindowPos", {kForm, -1, 0, 0, 0, 0, 0x43}}}));
    EXPECT_TRUE(form.Capturing);
    EXPECT_EQ(form.Label4.Caption(), kStatusSampling);
}

TEST_F(WindowHandlersTest, EnterTogglesSamplingAndTheStatusLineWithoutEnd) {
    form.Form_Load();
    for (int round = 0; round < 3; ++round) {
        std::int16_t key = 13;
        form.Form_KeyPress(key);
        EXPECT_FALSE(form.Capturing);
        EXPECT_EQ(form.Label4.Caption(), kStatusHeld);
        form.Form_KeyPress(key);
        EXPECT_TRUE(form.Capturing);
        EXPECT_EQ(form.Label4.Caption(), kStatusSampling);
        EXPECT_EQ(key, 13) << "the key goes on to the focused control unchanged";
    }
}

TEST_F(WindowHandlersTest, EveryOtherKeyChangesNothing) {
    form.Form_Load();
    for (std::int16_t key : {10, 27, 32, 48, 9, 8, -13, 269}) {
        const std::int16_t pressed = key;
        form.Form_KeyPress(key);
        EXPECT_EQ(key, pressed);
        EXPECT_TRUE(form.Capturing);
        EXPECT_EQ(form.Label4.Caption(), kStatusSampling);
    }
    EXPECT_EQ(Calls().size(), 1u);
}

TEST_F(WindowHandlersTest, ALeftPressOnTheSwatchWithAnyShiftHandsTheWindowToTheMoveLoop) {
    for (std::int16_t shift : {0, 1, 2, 4, 7}) {
        platform.fake().ClearCalls();
        form.Picture2.MouseDown.Raise(1, shift, 10.0f, 20.0f);
        EXPECT_EQ(Calls(), (std::vector<ApiCall>{{"ReleaseCapture", {}}, {"SendMessageA", {kForm, 0xA1, 2, 0}}}));
    }
}

TEST_F(WindowHandlersTest, RightAndMiddlePressesOnTheSwatchDoNothing) {
    for (std::int16_t button : {2, 4, 3, 0}) form.Picture2.MouseDown.Raise(button, 0, 0.0f, 0.0f);
    EXPECT_TRUE(Calls().empty());
}

TEST_F(WindowHandlersTest, ANewDpiResizesTheSwatchButNotTheCaptureBuffer) {
    form.ChangeDpi(144);
    EXPECT_EQ(form.Picture2.Image().Width(), 118);
    EXPECT_EQ(form.Picture2.Image().Height(), 142);
    EXPECT_EQ(form.Picture1.Image().Width(), 1);
    EXPECT_FLOAT_EQ(form.Picture1.ScaleWidth(), 10.0f);
    EXPECT_FLOAT_EQ(form.Picture2.Width(), 1200.0f);
    EXPECT_EQ(platform.fake().MemoryDcsInUse(), 2);
}

TEST_F(WindowHandlersTest, ANewDpiKeepsTheSampledColourInTheSwatch) {
    form.Form_Load();
    platform.fake().SetCursor(3, 3);  // black, the colour the boxes already show
    form.Timer1.Tick.Raise();
    form.ChangeDpi(144);
    EXPECT_EQ(form.Picture2.Point(600, 720), 0x000000);
    EXPECT_EQ(form.Text2.Text(), u"#000000");
}

}  // namespace
}  // namespace tintavo
