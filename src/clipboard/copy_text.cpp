#include "clipboard/copy_text.h"

namespace tintavo {

bool CopyText(Clipboard& clipboard, const std::u16string& text) {
    for (int attempt = 1;; ++attempt) {
        if (clipboard.TryReplaceText(text)) return true;
        if (attempt == kClipboardAttempts) return false;
        clipboard.WaitBeforeRetry(kClipboardRetryWaitMilliseconds);
    }
}

}  // namespace tintavo
