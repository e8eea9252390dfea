#include <gtest/gtest.h>

#include <cstdint>

#include "picker_fixture.h"
#include "platform/conversions.h"

namespace tintavo {
namespace {

// A long day of use against the headless backend: sampling ticks with a changing colour,
// hand edits and scroll bar moves while held, and monitor changes. Run under the sanitizers,
// which report any leak at exit; the platform objects in use must stay flat throughout.
class LongRunTest : public PickerTest {
protected:
    // A small DPI keeps the swatch image small, so a million ticks take seconds.
    LongRunTest() : PickerTest(kSmallDpi) {}

    static constexpr int kSmallDpi = 24;
};

TEST_F(LongRunTest, AMillionTicksAndEditsHoldNoDeviceContextOrImageBeyondTheirUse) {
    constexpr int kTicks = 1'000'000;
    const char16_t* const edits[] = {u"", u"12", u"abc", u"-", u"256", u" 7 ", u"2.5", u"１２８", u"99999", u"255"};
    std::uint32_t random = 12345;
    const int imagesAtStart = platform.fake().MemoryDcsInUse();
    for (int tick = 0; tick < kTicks; ++tick) {
        random = random * 1664525u + 1013904223u;
        PointAt(static_cast<int>(random % 1920), static_cast<int>((random >> 11) % 1080),
                static_cast<ColourValue>(random >> 8));
        Tick();
        if (tick % 7 == 0) {
            std::int16_t enter = 13;
            form.Form_KeyPress(enter);
            form.Text1[tick % 3].Edited(edits[(random >> 3) % 10]);
            form.HScroll1[(tick + 1) % 3].Scroll(ScrollRequest::kPageRight, 0);
            form.Form_KeyPress(enter);
        }
        if (tick % 50'000 == 0) form.ChangeDpi(tick % 100'000 == 0 ? kSmallDpi : 2 * kSmallDpi);
        platform.fake().ClearCalls();
        ASSERT_EQ(platform.fake().WindowDcsInUse(), 0) << "tick " << tick;
        ASSERT_EQ(platform.fake().MemoryDcsInUse(), imagesAtStart) << "tick " << tick;
    }
    EXPECT_EQ(form.Text2.Text().size(), 7u);
}

}  // namespace
}  // namespace tintavo
