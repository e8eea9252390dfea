#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "window/form1.h"

namespace tintavo {

// A loaded picker on the headless platform at a pinned DPI, with helpers to put colours on
// the simulated screen and to read what the window shows.
class PickerTest : public testing::Test {
protected:
    static constexpr WindowHandle kForm = 0x5150;

    explicit PickerTest(int dpi = 96) : form(platform, dpi) {
        form.hWnd = kForm;
        form.Form_Load();
        platform.fake().ClearCalls();
    }

    void PointAt(int x, int y, ColourValue colour) {
        platform.fake().SetCursor(x, y);
        platform.fake().ScreenImage().At(x, y) = colour;
    }

    void Tick() { form.Timer1.Tick.Raise(); }

    std::vector<std::u16string> Components() const {
        return {form.Text1[0].Text(), form.Text1[1].Text(), form.Text1[2].Text()};
    }
    std::vector<int> ScrollValues() const {
        return {form.HScroll1[0].Value(), form.HScroll1[1].Value(), form.HScroll1[2].Value()};
    }
    ColourValue SwatchColour() const { return tintavo::SwatchColour(form); }

    headless::HeadlessPlatform platform;
    Form1 form;
};

// Records what a control was asked to show, to tell which handlers ran.
struct ShownTexts : TextBox::View {
    void ShowText(const std::u16string& text) override { shown.push_back(text); }
    std::vector<std::u16string> shown;
};

struct ShownValues : ScrollBar::View {
    void ShowValue(int value) override { shown.push_back(value); }
    std::vector<int> shown;
};

struct CountedRepaints : PictureBox::View {
    void Repaint() override { ++count; }
    int count = 0;
};

}  // namespace tintavo
