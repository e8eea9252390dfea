#include "platform/forms/text_box.h"

namespace tintavo {

bool TextBox::Store(std::u16string& text) {
    if (text == text_) return false;
    text_ = std::move(text);
    return true;
}

void TextBox::SetText(std::u16string text) {
    if (!Store(text)) return;
    if (view_) view_->ShowText(text_);
    Change.Raise();
}

void TextBox::Edited(std::u16string text) {
    if (Store(text)) Change.Raise();
}

void TextBox::AttachView(View* view) {
    view_ = view;
    if (view_) view_->ShowText(text_);
}

}  // namespace tintavo
