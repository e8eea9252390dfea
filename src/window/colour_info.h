#pragma once

#include <array>
#include <string>

#include "colour/colour_formats.h"
#include "colour/contrast.h"
#include "platform/forms/label.h"
#include "window/accessibility.h"
#include "window/colour_menus.h"
#include "window/form1.h"

namespace tintavo {

// What the colour information window shows of the swatch's colour, one label a line: its
// nearest named colour, the reference colour, the contrast ratio against the reference with the
// WCAG verdicts, and every copy format as a link. It lives as long as the picker, so that the
// reference colour is kept for the session while the window opens and closes.
class ColourInfo {
public:
    static constexpr ColourValue kFirstReference = 0xFFFFFF;
    static constexpr std::size_t kVerdictLines = 3;

    ColourInfo(Form1& form, ColourMenus& menus);
    ColourInfo(const ColourInfo&) = delete;
    ColourInfo& operator=(const ColourInfo&) = delete;

    // Writes every line for the swatch's colour, as when the window opens.
    void ShowAll();
    // Writes the lines again only when the swatch's colour changed since the last time; true
    // when it did. A steady or held tick reads and writes nothing.
    bool Update();

    ColourValue Reference() const noexcept { return reference_; }
    // The contrast line as a screen reader says it: the ratio and each verdict in words.
    std::u16string SpokenContrast() const;

    Label Name{u""};
    Label ReferenceLine{u""};
    Label MakeReference{u"この色を基準にする"};
    Label Ratio{u""};
    std::array<Label, kVerdictLines> Verdicts{{Label(u""), Label(u""), Label(u"")}};
    std::array<Label, kColourFormatCount> Formats{{Label(u""), Label(u""), Label(u""), Label(u""), Label(u""),
                                                   Label(u""), Label(u""), Label(u""), Label(u""), Label(u""),
                                                   Label(u""), Label(u""), Label(u""), Label(u"")}};

    // Raised when the reference colour changed, for the window's square of it.
    Event<> ReferenceChanged;

private:
    void ShowContrast();

    Form1& form_;
    ColourMenus& menus_;
    SwatchValueWatch swatch_;
    ColourValue shown_ = 0;
    ColourValue reference_ = kFirstReference;
    double ratio_ = 1.0;
    ColourFormatTexts formats_;
};

}  // namespace tintavo
