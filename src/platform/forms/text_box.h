#pragma once

#include <string>

#include "platform/forms/events.h"

namespace tintavo {

// A single-line text box. The text is the model; the control on screen shows it.
// Writing the text it already holds raises nothing; a changed text runs Change inside the
// write, so handlers can rely on the cascade having finished when the write returns.
class TextBox {
public:
    class View {
    public:
        virtual ~View() = default;
        virtual void ShowText(const std::u16string& text) = 0;
    };

    explicit TextBox(std::u16string text = {}) : text_(std::move(text)) {}
    TextBox(const TextBox&) = delete;
    TextBox& operator=(const TextBox&) = delete;

    const std::u16string& Text() const noexcept { return text_; }

    // The program's write: the control is updated, then Change runs if the text changed.
    void SetText(std::u16string text);

    // The user typed or pasted: the control already shows the text.
    void Edited(std::u16string text);

    void AttachView(View* view);

    Event<> Change;

private:
    bool Store(std::u16string& text);

    std::u16string text_;
    View* view_ = nullptr;
};

}  // namespace tintavo
