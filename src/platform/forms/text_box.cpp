#include "platform/forms/text_box.h"

namespace tintavo {

bool TextBox::Store(std::u16string& text) {
    if (text == text_) return false;
    text_ = std::move(text);
    return true;
}

void TextBox::SetText(std::u16string text) {
    if (!Store(text)) return;
    ViewBatch::Show(*this);
    Change.Raise();
}

void TextBox::Edited(std::u16string text) {
    shown_ = text;
    if (Store(text)) Change.Raise();
}

void TextBox::ShowPending() {
    if (!view_ || shown_ == text_) return;
    shown_ = text_;
    view_->ShowText(text_);
}

void TextBox::AttachView(View* view) {
    view_ = view;
    if (!view_) return;
    shown_ = text_;
    view_->ShowText(text_);
}

}  // namespace tintavo
