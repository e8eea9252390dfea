#pragma once

#include <windows.h>

#include <array>

namespace tintavo::bench {

// The least a picker built from the same standard controls must do when the colour changes: a
// window with three SCROLLBARs, three number EDITs, the code EDIT and a swatch, laid out as the
// picker's at 96 DPI, in which Show updates each control once, and only when its value changed.
// The yardstick for a changing colour, whose cost lies mostly in repainting those controls.
class StandardControls {
public:
    explicit StandardControls(POINT topLeft);
    ~StandardControls();
    StandardControls(const StandardControls&) = delete;
    StandardControls& operator=(const StandardControls&) = delete;

    void Show(COLORREF colour);

private:
    static LRESULT CALLBACK SwatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND window_ = nullptr;
    std::array<HWND, 3> boxes_{};
    std::array<HWND, 3> bars_{};
    HWND code_ = nullptr;
    HWND swatch_ = nullptr;
    // What the controls show; none until the first Show.
    COLORREF shown_ = CLR_INVALID;
};

}  // namespace tintavo::bench
