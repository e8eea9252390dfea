#pragma once

#include "platform/windows_api.h"

namespace tintavo {

// A window's device context taken through the Windows calls and given back to the same
// window: explicitly with Release at the step that gives it back, or when it goes out of scope.
class WindowDc {
public:
    WindowDc(WindowsApi& api, WindowHandle window) : api_(api), window_(window), dc_(api.GetWindowDC(window)) {}
    ~WindowDc() { Release(); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    DcHandle get() const noexcept { return dc_; }

    void Release() {
        if (!taken_) return;
        taken_ = false;
        api_.ReleaseDC(window_, dc_);
    }

private:
    WindowsApi& api_;
    WindowHandle window_;
    DcHandle dc_;
    bool taken_ = true;
};

}  // namespace tintavo
