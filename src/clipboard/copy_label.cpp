#include "clipboard/copy_text.h"
#include "window/form1.h"

namespace tintavo {

// No message or sound confirms the copy (only a screen reader hears of it); a busy clipboard is
// left as it was, and the next click tries again.
void Form1::Label5_Click() {
    if (CopyText(platform_.GetClipboard(), Text2.Text())) CodeCopied.Raise(Text2.Text());
}

void Form1::Label5_MouseMove() { Label5.SetFontUnderline(true); }

void Form1::Label5_MouseUp() { Label5.SetFontUnderline(false); }

void Form1::Form_MouseMove() { Label5.SetFontUnderline(false); }

}  // namespace tintavo
