#include <gtest/gtest.h>

#include "clipboard/copy_text.h"
#include "picker_fixture.h"

namespace tintavo {
namespace {

class CopyLabelTest : public PickerTest {
protected:
    headless::FakeClipboard& clipboard() { return platform.clipboard(); }
};

TEST_F(CopyLabelTest, AClickReplacesEverythingOnTheClipboardWithTheCodeAsShown) {
    clipboard().Put("CF_BITMAP", u"a picture");
    clipboard().Put("CF_UNICODETEXT", u"unrelated text");
    PointAt(4, 4, 0x000080);
    Tick();
    form.Label5.Click.Raise();
    EXPECT_EQ(clipboard().Formats(), (std::map<std::string, std::u16string>{{"CF_UNICODETEXT", u"#800000"}}));

    form.Label5.Click.Raise();
    EXPECT_EQ(clipboard().Formats().at("CF_UNICODETEXT"), u"#800000");
    form.Text2.SetText(u"");
    form.Label5.Click.Raise();
    EXPECT_EQ(clipboard().Formats().at("CF_UNICODETEXT"), u"") << "the text goes over unaltered, even empty";
}

TEST_F(CopyLabelTest, ABriefBusyClipboardIsRetriedUntilItIsFree) {
    form.Text2.SetText(u"#ABCDEF");
    clipboard().HoldOpenFor(kClipboardAttempts - 1);
    form.Label5.Click.Raise();
    EXPECT_EQ(clipboard().Attempts(), kClipboardAttempts);
    EXPECT_EQ(clipboard().Waits(), kClipboardAttempts - 1);
    EXPECT_EQ(clipboard().Formats().at("CF_UNICODETEXT"), u"#ABCDEF");
}

TEST_F(CopyLabelTest, AClipboardThatStaysBusyIsLeftUntouchedAndTheNextClickCopies) {
    clipboard().Put("CF_UNICODETEXT", u"what the user had");
    form.Text2.SetText(u"#123456");
    clipboard().HoldOpenFor(1000);
    EXPECT_NO_THROW(form.Label5.Click.Raise());
    EXPECT_EQ(clipboard().Attempts(), kClipboardAttempts);
    EXPECT_LE(clipboard().Waits() * kClipboardRetryWaitMilliseconds, 100) << "the window stalls at most 0.1 s";
    EXPECT_EQ(clipboard().Formats(), (std::map<std::string, std::u16string>{{"CF_UNICODETEXT", u"what the user had"}}));

    clipboard().HoldOpenFor(0);
    form.Label5.Click.Raise();
    EXPECT_EQ(clipboard().Formats().at("CF_UNICODETEXT"), u"#123456");
}

TEST_F(CopyLabelTest, TheUnderlineFollowsThePointerAndTheButtons) {
    const struct {
        const char* activity;
        void (*act)(Form1&);
        bool underlined;
    } steps[] = {
        {"moves over the label", [](Form1& f) { f.Label5.MouseMove.Raise(); }, true},
        {"moves over it again", [](Form1& f) { f.Label5.MouseMove.Raise(); }, true},
        {"a button is released over it", [](Form1& f) { f.Label5.MouseUp.Raise(); }, false},
        {"the click copies", [](Form1& f) { f.Label5.Click.Raise(); }, false},
        {"moves again over it", [](Form1& f) { f.Label5.MouseMove.Raise(); }, true},
        {"moves onto another control", [](Form1& f) { f.Text1[0].Edited(u"0"); }, true},
        {"moves over the bare window", [](Form1& f) { f.Form_MouseMove(); }, false},
        {"moves over the bare window again", [](Form1& f) { f.Form_MouseMove(); }, false},
    };
    for (const auto& step : steps) {
        step.act(form);
        EXPECT_EQ(form.Label5.FontUnderline(), step.underlined) << step.activity;
    }
}

}  // namespace
}  // namespace tintavo
