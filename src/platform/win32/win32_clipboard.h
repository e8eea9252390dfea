#pragma once

#include <windows.h>

#include "platform/clipboard.h"

namespace tintavo::win32 {

// The system clipboard, opened for the form's window, which becomes its owner.
class Win32Clipboard final : public Clipboard {
public:
    void SetOwner(HWND owner) { owner_ = owner; }

    bool TryReplaceText(const std::u16string& text) override;
    void WaitBeforeRetry(int milliseconds) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace tintavo::win32
