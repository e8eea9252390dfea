#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "window/form1.h"
#include "window/layout.h"

namespace tintavo {

// What a screen reader learns of each control: the standard objects of Windows name the number
// boxes and the code box after the label created just before them and leave the scroll bars and
// the pictures unnamed, so every control says explicitly what it is.
enum class AccessibleRole { kStaticText, kEditableText, kScrollBar, kGraphic, kLink };

// The verb of a link's default action.
inline constexpr std::u16string_view kClickAction = u"クリック";

struct AccessibleDescription {
    std::u16string name;
    AccessibleRole role = AccessibleRole::kStaticText;
    // Empty when the control has no value.
    std::optional<std::u16string> value;
    // Left out by assistive technology: no control for the user.
    bool invisible = false;
    // The verb of the control's default action; empty when it has none.
    std::u16string defaultAction;
};

// The control as it stands in the form now.
AccessibleDescription DescribeControl(const Form1& form, ControlId id);

// The swatch's colour as a screen reader reads it: "#RRGGBB".
std::u16string SwatchValue(const Form1& form);

// What a screen reader says after the code went to the clipboard.
std::u16string CopyAnnouncement(std::u16string_view code);

// Tells when the swatch shows another colour than when last asked, so that a value-change event
// goes out for a change and never for a tick that painted the same colour.
class SwatchValueWatch {
public:
    explicit SwatchValueWatch(const Form1& form)
        : form_(form), version_(form.Picture2.ImageVersion()), last_(SwatchColour(form)) {}

    // True once for each change of the swatch's colour since the last call.
    bool Changed();

private:
    const Form1& form_;
    // The swatch's image is read only after it was drawn, so that a held tick reads nothing.
    std::uint32_t version_;
    // Compared as a colour, so that a steady tick builds no text.
    ColourValue last_;
};

}  // namespace tintavo
