#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "clipboard/copy_text.h"
#include "picker_fixture.h"
#include "window/accessibility.h"

namespace tintavo {
namespace {

class AccessibilityTest : public PickerTest {
protected:
    std::u16string Value(ControlId id) const { return DescribeControl(form, id).value.value_or(u"(none)"); }

    std::vector<std::u16string> Values() const {
        std::vector<std::u16string> values;
        for (const ControlDesign& design : kControlDesigns) values.push_back(Value(design.id));
        return values;
    }
};

TEST_F(AccessibilityTest, EveryControlSaysWhatItIs) {
    using enum AccessibleRole;
    const struct {
        ControlId id;
        std::u16string name;
        AccessibleRole role;
        bool invisible;
        std::u16string defaultAction;
    } expected[] = {
        {ControlId::kPicture2, u"色見本", kGraphic, false, u""},
        {ControlId::kPicture1, u"", kGraphic, true, u""},
        {ControlId::kLabel1, u"R", kStaticText, false, u""},
        {ControlId::kLabel2, u"G", kStaticText, false, u""},
        {ControlId::kLabel3, u"B", kStaticText, false, u""},
        {ControlId::kText1Red, u"R (赤)", kEditableText, false, u""},
        {ControlId::kText1Green, u"G (緑)", kEditableText, false, u""},
        {ControlId::kText1Blue, u"B (青)", kEditableText, false, u""},
        {ControlId::kHScroll1Red, u"R (赤)", kScrollBar, false, u""},
        {ControlId::kHScroll1Green, u"G (緑)", kScrollBar, false, u""},
        {ControlId::kHScroll1Blue, u"B (青)", kScrollBar, false, u""},
        {ControlId::kLabel4, std::u16string(kStatusSampling), kStaticText, false, u""},
        {ControlId::kText2, u"カラーコード", kEditableText, false, u""},
        {ControlId::kLabel5, u"クリップボードへ", kLink, false, u"クリック"},
    };
    ASSERT_EQ(std::size(expected), kControlDesigns.size());
    for (const auto& control : expected) {
        const AccessibleDescription description = DescribeControl(form, control.id);
        const int id = static_cast<int>(control.id);
        EXPECT_EQ(description.name, control.name) << id;
        EXPECT_EQ(description.role, control.role) << id;
        EXPECT_EQ(description.invisible, control.invisible) << id;
        EXPECT_EQ(description.defaultAction, control.defaultAction) << id;
    }
    std::int16_t enter = 13;
    form.Form_KeyPress(enter);
    EXPECT_EQ(DescribeControl(form, ControlId::kLabel4).name, kStatusHeld) << "the status line reads as it shows";
}

TEST_F(AccessibilityTest, TheValuesFollowTheSampledAndTheEditedColour) {
    const std::u16string none = u"(none)";
    PointAt(10, 20, 0x604020);
    Tick();
    EXPECT_EQ(Values(), (std::vector<std::u16string>{u"#204060", none, none, none, none, u"32", u"64", u"96", u"32",
                                                      u"64", u"96", none, u"#204060", none}));

    std::int16_t enter = 13;
    form.Form_KeyPress(enter);
    form.Text1[0].Edited(u"200");
    form.HScroll1[2].Scroll(ScrollRequest::kLineRight, 0);
    EXPECT_EQ(Value(ControlId::kPicture2), u"#C84061");
    EXPECT_EQ(Value(ControlId::kText1Red), u"200");
    EXPECT_EQ(Value(ControlId::kHScroll1Red), u"200");
    EXPECT_EQ(Value(ControlId::kText1Blue), u"97");
    EXPECT_EQ(Value(ControlId::kHScroll1Blue), u"97");
    EXPECT_EQ(Value(ControlId::kText2), u"#C84061");

    form.Text1[1].Edited(u"abc");
    EXPECT_EQ(Value(ControlId::kText1Green), u"abc") << "a box reads as typed";
    EXPECT_EQ(Value(ControlId::kHScroll1Green), u"64") << "its scroll bar keeps the last valid value";
    EXPECT_EQ(Value(ControlId::kPicture2), u"#C84061");
}

TEST_F(AccessibilityTest, TheSwatchSignalsAChangeOnlyWhenItsColourChanges) {
    SwatchValueWatch watch(form);
    PointAt(10, 20, 0x604020);
    const struct {
        const char* step;
        std::function<void()> act;
        bool changed;
    } steps[] = {
        {"a first sample", [this] { Tick(); }, true},
        {"the same colour again", [this] { Tick(); }, false},
        {"another colour",
         [this] {
             PointAt(10, 20, 0x000001);
             Tick();
         },
         true},
        {"a tick while held",
         [this] {
             std::int16_t enter = 13;
             form.Form_KeyPress(enter);
             PointAt(10, 20, 0xFFFFFF);
             Tick();
         },
         false},
        {"an edit", [this] { form.Text1[1].Edited(u"9"); }, true},
        {"a text that names no value", [this] { form.Text1[1].Edited(u"9x"); }, false},
        {"a scroll to the same value", [this] { form.HScroll1[0].SetValue(1); }, false},
        {"a new DPI", [this] { form.ChangeDpi(144); }, false},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(watch.Changed(), step.changed) << step.step;
        EXPECT_FALSE(watch.Changed()) << step.step << ": signalled once";
    }
}

TEST_F(AccessibilityTest, OnlyASuccessfulCopyIsAnnounced) {
    std::vector<std::u16string> copied;
    form.CodeCopied.Handle([&](const std::u16string& code) { copied.push_back(code); });
    form.Text2.SetText(u"#ABCDEF");
    platform.clipboard().HoldOpenFor(1000);
    form.Label5.Click.Raise();
    EXPECT_TRUE(copied.empty());
    platform.clipboard().HoldOpenFor(kClipboardAttempts - 1);
    form.Label5.Click.Raise();
    EXPECT_EQ(copied, std::vector<std::u16string>{u"#ABCDEF"});
    EXPECT_EQ(CopyAnnouncement(copied.front()), u"#ABCDEF をクリップボードへコピーしました");
}

}  // namespace
}  // namespace tintavo
