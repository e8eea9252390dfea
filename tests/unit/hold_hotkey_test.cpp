#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "window/hold_hotkey.h"

namespace tintavo {
namespace {

constexpr std::uint32_t kCtrlAlt = kModControl | kModAlt;

class HoldHotkeyTest : public testing::Test {
protected:
    HoldHotkeyTest() {
        form.hWnd = 0x5150;
        form.Form_Load();
    }

    headless::HeadlessPlatform platform;
    Form1 form{platform, 96};
};

TEST_F(HoldHotkeyTest, HoldsAndResumesLikeEnterAndIsReleasedAtTheEnd) {
    {
        HoldHotkey hotkey(platform.Api(), form);
        EXPECT_TRUE(hotkey.Registered());
        EXPECT_EQ(platform.fake().HotkeyOwner(kCtrlAlt, kVkReturn), form.hWnd);

        hotkey.Pressed();
        EXPECT_FALSE(form.Capturing);
        EXPECT_EQ(form.Label4.Caption(), kStatusHeld);
        hotkey.Pressed();
        EXPECT_TRUE(form.Capturing);
        EXPECT_EQ(form.Label4.Caption(), kStatusSampling);
    }
    EXPECT_EQ(platform.fake().HotkeyOwner(kCtrlAlt, kVkReturn), 0);
}

TEST_F(HoldHotkeyTest, TakenByAnotherProgramLeavesItsOwnerAndEnterAlone) {
    constexpr WindowHandle kOtherProgram = 0x9999;
    ASSERT_TRUE(platform.Api().RegisterHotKey(kOtherProgram, 7, kCtrlAlt, kVkReturn));
    {
        HoldHotkey hotkey(platform.Api(), form);
        EXPECT_FALSE(hotkey.Registered());
        std::int16_t enter = 13;
        form.Form_KeyPress(enter);
        EXPECT_EQ(form.Label4.Caption(), kStatusHeld);
    }
    EXPECT_EQ(platform.fake().HotkeyOwner(kCtrlAlt, kVkReturn), kOtherProgram);
}

}  // namespace
}  // namespace tintavo
