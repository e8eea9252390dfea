#pragma once

#include <string>

#include "platform/forms/events.h"
#include "platform/forms/view_batch.h"

namespace tintavo {

// A single-line text box. The text is the model; the control on screen shows it.
// Writing the text it already holds raises nothing; a changed text runs Change inside the
// write, so handlers can rely on the cascade having finished when the write returns. The
// control is shown the text as a ViewBatch allows.
class TextBox : private DeferredView {
public:
    class View {
    public:
        virtual ~View() = default;
        virtual void ShowText(const std::u16string& text) = 0;
    };

    explicit TextBox(std::u16string text = {}) : text_(std::move(text)) {}
    ~TextBox() { ViewBatch::Forget(*this); }
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
    void ShowPending() override;

    std::u16string text_;
    // What the control shows.
    std::u16string shown_;
    View* view_ = nullptr;
};

}  // namespace tintavo
