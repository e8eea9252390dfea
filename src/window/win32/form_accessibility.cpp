#include "window/win32/form_accessibility.h"

#include <oleacc.h>

#include "platform/win32/accessible_window.h"
#include "platform/win32/text.h"

namespace tintavo::win32 {
namespace {

constexpr wchar_t kCopyActivityId[] = L"Tintavo.CodeCopied";

long RoleConstant(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::kStaticText: return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::kEditableText: return ROLE_SYSTEM_TEXT;
    case AccessibleRole::kScrollBar: return ROLE_SYSTEM_SCROLLBAR;
    case AccessibleRole::kGraphic: return ROLE_SYSTEM_GRAPHIC;
    case AccessibleRole::kLink: return ROLE_SYSTEM_LINK;
    }
    return ROLE_SYSTEM_CLIENT;
}

}  // namespace

// One control's answers, read from the form at each request.
class FormAccessibility::ControlOverrides final : public AccessibleOverrides {
public:
    ControlOverrides(FormAccessibility& owner, const ChildControl& control)
        : owner_(owner), id_(static_cast<ControlId>(control.id())), window_(control.hwnd(), *this) {}

    ControlId id() const { return id_; }
    const AccessibleWindow& window() const { return window_; }

    std::optional<std::wstring> Name() const override { return ToWide(Describe().name); }
    std::optional<long> Role() const override { return RoleConstant(Describe().role); }
    std::optional<std::wstring> Value() const override {
        const std::optional<std::u16string> value = Describe().value;
        if (!value) return std::nullopt;
        return ToWide(*value);
    }
    std::optional<std::wstring> Description() const override {
        if (id_ != ControlId::kLabel5 || owner_.copyAnnouncement_.empty()) return std::nullopt;
        return owner_.copyAnnouncement_;
    }
    long AddedStates() const override { return Describe().invisible ? STATE_SYSTEM_INVISIBLE : 0; }
    std::optional<std::wstring> DefaultAction() const override {
        const std::u16string action = Describe().defaultAction;
        if (action.empty()) return std::nullopt;
        return ToWide(action);
    }
    void DoDefaultAction() override {
        if (id_ == ControlId::kLabel5) owner_.copyLabel_.PostClick();
    }

private:
    AccessibleDescription Describe() const { return DescribeControl(owner_.form_, id_); }

    FormAccessibility& owner_;
    ControlId id_;
    AccessibleWindow window_;
};

FormAccessibility::FormAccessibility(Form1& form, Event<const std::u16string&>& copies,
                                     std::span<ChildControl* const> controls, LabelControl& copyLabel)
    : form_(form), copies_(copies), copyLabel_(copyLabel), swatch_(form) {
    for (const ChildControl* control : controls) controls_.push_back(std::make_unique<ControlOverrides>(*this, *control));
    copies_.Handle([this](const std::u16string& text) { OnCopied(text); });
}

FormAccessibility::~FormAccessibility() { copies_.Handle(nullptr); }

FormAccessibility::ControlOverrides* FormAccessibility::Find(ControlId id) const {
    for (const auto& control : controls_) {
        if (control->id() == id) return control.get();
    }
    return nullptr;
}

FormAccessibility::SwatchChange::~SwatchChange() {
    if (--owner_.swatchChangeDepth_ > 0 || !owner_.swatch_.Changed()) return;
    if (const ControlOverrides* swatch = owner_.Find(ControlId::kPicture2)) {
        swatch->window().Notify(EVENT_OBJECT_VALUECHANGE);
    }
}

void FormAccessibility::OnCopied(const std::u16string& text) {
    copyAnnouncement_ = ToWide(CopyAnnouncement(text));
    // The alert reaches every screen reader that listens to the accessibility events; where UI
    // Automation offers its notification, the announcement is read out directly too.
    if (const ControlOverrides* label = Find(ControlId::kLabel5)) label->window().Notify(EVENT_SYSTEM_ALERT);
    notification_.Raise(copyLabel_.hwnd(), copyAnnouncement_, kCopyActivityId);
}

}  // namespace tintavo::win32
