#include "platform/win32/edit_control.h"

namespace tintavo::win32 {

EditControl::EditControl(HWND parent, int id, TextBox& model, DWORD extendedStyle)
    : ChildControl(parent, id, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, extendedStyle), model_(model) {
    model_.AttachView(this);
}

void EditControl::ShowText(const std::u16string& text) {
    // SetWindowText sends EN_CHANGE at once.
    writing_ = true;
    ::SetWindowTextW(hwnd(), ToWide(text).c_str());
    writing_ = false;
    // Where the user is typing, the caret stays behind the text rather than jumping to its start.
    if (focused_) ::SendMessageW(hwnd(), EM_SETSEL, text.size(), text.size());
}

}  // namespace tintavo::win32
