#include "window/accessibility.h"

#include <array>

#include "colour/colour_formats.h"
#include "platform/conversions.h"

namespace tintavo {
namespace {

constexpr std::array<std::u16string_view, 3> kComponentNames{u"R (赤)", u"G (緑)", u"B (青)"};
constexpr std::u16string_view kCodeBoxName = u"カラーコード";
constexpr std::u16string_view kSwatchName = u"色見本";
AccessibleDescription Described(std::u16string name, AccessibleRole role,
                                std::optional<std::u16string> value = std::nullopt) {
    AccessibleDescription description;
    description.name = std::move(name);
    description.role = role;
    description.value = std::move(value);
    return description;
}

}  // namespace

std::u16string SwatchValue(const Form1& form) {
    return ColourCode(SwatchColour(form));
}

AccessibleDescription DescribeControl(const Form1& form, ControlId id) {
    using enum AccessibleRole;
    switch (id) {
    case ControlId::kPicture2: return Described(std::u16string(kSwatchName), kGraphic, SwatchValue(form));
    case ControlId::kPicture1: {
        AccessibleDescription buffer = Described(u"", kGraphic);
        buffer.invisible = true;
        return buffer;
    }
    case ControlId::kLabel1: return Described(form.Label1.Caption(), kStaticText);
    case ControlId::kLabel2: return Described(form.Label2.Caption(), kStaticText);
    case ControlId::kLabel3: return Described(form.Label3.Caption(), kStaticText);
    case ControlId::kText1Red:
    case ControlId::kText1Green:
    case ControlId::kText1Blue: {
        const auto index = static_cast<std::size_t>(static_cast<int>(id) - static_cast<int>(ControlId::kText1Red));
        return Described(std::u16string(kComponentNames[index]), kEditableText, form.Text1[index].Text());
    }
    case ControlId::kHScroll1Red:
    case ControlId::kHScroll1Green:
    case ControlId::kHScroll1Blue: {
        const auto index = static_cast<std::size_t>(static_cast<int>(id) - static_cast<int>(ControlId::kHScroll1Red));
        return Described(std::u16string(kComponentNames[index]), kScrollBar,
                         IntegerToText(form.HScroll1[index].Value()));
    }
    case ControlId::kLabel4: return Described(form.Label4.Caption(), kStaticText);
    case ControlId::kText2: return Described(std::u16string(kCodeBoxName), kEditableText, form.Text2.Text());
    case ControlId::kLabel5: {
        AccessibleDescription link = Described(form.Label5.Caption(), kLink);
        link.defaultAction = kClickAction;
        return link;
    }
    }
    return {};
}

std::u16string CopyAnnouncement(std::u16string_view code) {
    return std::u16string(code) + u" をクリップボードへコピーしました";
}

bool SwatchValueWatch::Changed() {
    const std::uint32_t version = form_.Picture2.ImageVersion();
    if (version == version_) return false;
    version_ = version;
    const ColourValue now = SwatchColour(form_);
    if (now == last_) return false;
    last_ = now;
    return true;
}

}  // namespace tintavo
