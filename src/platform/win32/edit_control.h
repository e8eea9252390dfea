#pragma once

#include "platform/forms/text_box.h"
#include "platform/win32/child_control.h"
#include "platform/win32/text.h"

namespace tintavo::win32 {

// A single-line EDIT control showing a text box.
class EditControl final : public ChildControl, private TextBox::View {
public:
    EditControl(HWND parent, int id, TextBox& model, DWORD extendedStyle);
    ~EditControl() override { model_.AttachView(nullptr); }

    // EN_CHANGE: the user typed, pasted or deleted. The one that our own write sends brings
    // nothing new: the model already holds that text.
    void OnChange() {
        if (!writing_) model_.Edited(WindowText(hwnd()));
    }
    // EN_SETFOCUS and EN_KILLFOCUS: kept here, so that a write need not ask Windows where the
    // focus is (under Wine a request to the server).
    void OnFocusChanged(bool focused) { focused_ = focused; }

private:
    void ShowText(const std::u16string& text) override;

    TextBox& model_;
    bool writing_ = false;
    bool focused_ = false;
};

}  // namespace tintavo::win32
