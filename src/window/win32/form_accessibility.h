#pragma once

#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/win32/child_control.h"
#include "platform/win32/label_control.h"
#include "platform/win32/uia_notification.h"
#include "window/accessibility.h"

namespace tintavo::win32 {

// What screen readers learn of Form1: each control's name, role, value and state from the
// table of window/accessibility.h, the swatch's change of colour, and each successful copy.
class FormAccessibility {
public:
    // copies: raised with the text of each successful copy.
    FormAccessibility(Form1& form, Event<const std::u16string&>& copies, std::span<ChildControl* const> controls,
                      LabelControl& copyLabel);
    ~FormAccessibility();
    FormAccessibility(const FormAccessibility&) = delete;
    FormAccessibility& operator=(const FormAccessibility&) = delete;

    // Brackets the handling of a message that may repaint the swatch. While the boxes update one
    // after another the swatch passes through mixed colours; once the outermost bracket closes,
    // a value-change event goes out if the colour differs from the last one announced.
    class SwatchChange {
    public:
        explicit SwatchChange(FormAccessibility& owner) noexcept : owner_(owner) { ++owner_.swatchChangeDepth_; }
        ~SwatchChange();
        SwatchChange(const SwatchChange&) = delete;
        SwatchChange& operator=(const SwatchChange&) = delete;

    private:
        FormAccessibility& owner_;
    };

private:
    class ControlOverrides;

    ControlOverrides* Find(ControlId id) const;
    void OnCopied(const std::u16string& text);

    Form1& form_;
    Event<const std::u16string&>& copies_;
    LabelControl& copyLabel_;
    std::vector<std::unique_ptr<ControlOverrides>> controls_;
    SwatchValueWatch swatch_;
    int swatchChangeDepth_ = 0;
    // What the copy label's description says after a copy.
    std::wstring copyAnnouncement_;
    UiaNotification notification_;
};

}  // namespace tintavo::win32
