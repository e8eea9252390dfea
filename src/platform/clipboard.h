#pragma once

#include <string>

namespace tintavo {

// The system clipboard, which every program on the desktop shares.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // One attempt to replace everything on the clipboard with a plain text: open, empty, set,
    // close. False when another program holds it open; the clipboard is then left as it was.
    virtual bool TryReplaceText(const std::u16string& text) = 0;

    // Waits before the next attempt, while another program finishes with it.
    virtual void WaitBeforeRetry(int milliseconds) = 0;
};

}  // namespace tintavo
