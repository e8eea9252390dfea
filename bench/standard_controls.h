#pragma once

#include <windows.h>

#include <array>

#include "window/win32/fonts.h"

namespace tintavo::bench {

// The least a picker built from the same standard controls must do when the colour changes: a
// window with three SCROLLBARs, three number EDITs, the code EDIT and a swatch, laid out as the
// picker's at 96 DPI, in which Show updates each control once, and only when its value changed.
// The yardstick for a changing colour, whose cost lies mostly in repainting those controls.
// Plain, they have the system's font and colours and thin borders; dressed as the picker's,
// its fonts, its box colours and its sunken edges. The controls sit in a window of their own,
// or in a panel that fills the client area of a given window.
class StandardControls {
public:
    enum class Look { kPlain, kPicker };

    StandardControls(POINT topLeft, Look look);
    StandardControls(HWND parent, Look look);
    ~StandardControls();
    StandardControls(const StandardControls&) = delete;
    StandardControls& operator=(const StandardControls&) = delete;

    void Show(COLORREF colour);
    HWND RedBox() const { return boxes_[0]; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static LRESULT CALLBACK SwatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void CreateControls();
    HBRUSH BoxColours(HWND box, HDC dc) const;

    Look look_;
    HWND window_ = nullptr;
    std::array<HWND, 3> boxes_{};
    std::array<HWND, 3> bars_{};
    HWND code_ = nullptr;
    HWND swatch_ = nullptr;
    // Only for the picker's look.
    win32::FontSet fonts_;
    std::array<win32::unique_hbrush, 3> boxBrushes_;
    // What the controls show; none until the first Show.
    COLORREF shown_ = CLR_INVALID;
};

}  // namespace tintavo::bench
