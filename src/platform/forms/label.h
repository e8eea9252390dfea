#pragma once

#include <string>

#include "platform/forms/events.h"

namespace tintavo {

// A static caption. It never takes the focus; its mouse events come from the control.
class Label {
public:
    class View {
    public:
        virtual ~View() = default;
        virtual void ShowCaption(const std::u16string& caption) = 0;
        virtual void ShowUnderline(bool underline) = 0;
    };

    explicit Label(std::u16string caption) : caption_(std::move(caption)) {}
    Label(const Label&) = delete;
    Label& operator=(const Label&) = delete;

    const std::u16string& Caption() const noexcept { return caption_; }
    void SetCaption(std::u16string caption) {
        caption_ = std::move(caption);
        if (view_) view_->ShowCaption(caption_);
    }

    bool FontUnderline() const noexcept { return underline_; }
    void SetFontUnderline(bool underline) {
        if (underline == underline_) return;
        underline_ = underline;
        if (view_) view_->ShowUnderline(underline_);
    }

    void AttachView(View* view) {
        view_ = view;
        if (!view_) return;
        view_->ShowCaption(caption_);
        view_->ShowUnderline(underline_);
    }

    Event<> Click;
    Event<> MouseMove;
    Event<> MouseUp;

private:
    std::u16string caption_;
    bool underline_ = false;
    View* view_ = nullptr;
};

}  // namespace tintavo
