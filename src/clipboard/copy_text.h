#pragma once

#include <string>

#include "platform/clipboard.h"

namespace tintavo {

// How often a copy tries a clipboard that another program holds: five attempts with four
// waits of 25 ms, so a busy clipboard stalls the window for about a tenth of a second at most.
inline constexpr int kClipboardAttempts = 5;
inline constexpr int kClipboardRetryWaitMilliseconds = 25;

// Replaces the clipboard's content with the text. False when the clipboard stayed busy; it is
// then exactly as it was, and a later copy can try again.
bool CopyText(Clipboard& clipboard, const std::u16string& text);

}  // namespace tintavo
