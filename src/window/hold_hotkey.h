#pragma once

#include "window/form1.h"

namespace tintavo {

// Ctrl+Alt+Enter for the whole desktop while the picker runs: it does what Enter does in the
// picker, from whichever program is in front. When another program has the combination, the
// picker runs without it.
class HoldHotkey {
public:
    static constexpr int kId = 1;

    // Registers the combination for the form's window.
    HoldHotkey(WindowsApi& api, Form1& form);
    ~HoldHotkey();
    HoldHotkey(const HoldHotkey&) = delete;
    HoldHotkey& operator=(const HoldHotkey&) = delete;

    // False when another program had the combination.
    bool Registered() const noexcept { return registered_; }

    // WM_HOTKEY with the hotkey's id.
    void Pressed();

private:
    WindowsApi& api_;
    Form1& form_;
    bool registered_ = false;
};

}  // namespace tintavo
