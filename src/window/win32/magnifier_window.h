#pragma once

#include <windows.h>

#include "magnifier/magnifier.h"

namespace tintavo::win32 {

// The magnifier's own window beside the picker: a small tool window, always on top, that
// never takes the activation, showing each pixel of the magnifier's picture as a square and
// framing the middle one. Lives from opening to closing; its close box asks the owner to end it.
class MagnifierWindow {
public:
    static constexpr wchar_t kClassName[] = L"TintavoMagnifier";
    // Posted to the owner when the user closes the window.
    static constexpr UINT kClosedMessage = WM_APP + 1;

    static void RegisterClass(HINSTANCE instance);

    // Opens the window beside its owner, the picker, showing the block around a screen pixel.
    MagnifierWindow(Platform& platform, HINSTANCE instance, HWND owner, CursorPoint centre);
    ~MagnifierWindow();
    MagnifierWindow(const MagnifierWindow&) = delete;
    MagnifierWindow& operator=(const MagnifierWindow&) = delete;

    HWND hwnd() const noexcept { return hwnd_; }

    // Frames the block of side × side squares that the sampling tick averages.
    void FrameSide(int side);

    // After each tick of the picker; repaints only when the picture changed.
    void AfterTick(bool sampling, CursorPoint sampled);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void OnPaint();
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnClose();
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);

    Magnifier magnifier_;
    HWND owner_ = nullptr;
    HWND hwnd_ = nullptr;
    int square_ = 0;
    int framedSide_ = 1;
};

}  // namespace tintavo::win32
