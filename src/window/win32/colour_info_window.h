#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "platform/win32/label_control.h"
#include "window/colour_info.h"
#include "window/win32/fonts.h"

namespace tintavo::win32 {

// The colour information's own window beside the picker: a small tool window, always on top,
// that never takes the activation, one line of text or link a line, in the picker's fonts at
// the DPI of its monitor. Made on the first opening and then only shown and hidden, so that
// opening it again makes no new controls; its close box asks the owner to hide it.
class ColourInfoWindow {
public:
    static constexpr wchar_t kClassName[] = L"TintavoColourInfo";
    // Posted to the owner when the user closes the window.
    static constexpr UINT kClosedMessage = WM_APP + 2;

    static void RegisterClass(HINSTANCE instance);

    // Makes the window, hidden, for its owner, the picker.
    ColourInfoWindow(ColourInfo& info, HINSTANCE instance, HWND owner);
    ~ColourInfoWindow();
    ColourInfoWindow(const ColourInfoWindow&) = delete;
    ColourInfoWindow& operator=(const ColourInfoWindow&) = delete;

    // Shows the window beside its owner, clear of the magnifier's frame if that is open.
    void Open(std::optional<PixelRect> magnifier);
    void Close();
    bool IsOpen() const { return hwnd_ && ::IsWindowVisible(hwnd_); }

    // After a message that may have changed the swatch's colour.
    void AfterChange() {
        if (IsOpen()) info_.Update();
    }

private:
    class LineAccessibility;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateLines();
    void ApplyDpi(int dpi);
    void OnPaint();
    LRESULT OnControlColour(WPARAM wParam, LPARAM lParam);
    void OnDpiChanged(int dpi, const RECT& suggested);
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);

    ColourInfo& info_;
    HWND owner_ = nullptr;
    HWND hwnd_ = nullptr;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    FontSet fonts_;
    std::vector<std::unique_ptr<LabelControl>> lines_;
    std::vector<std::unique_ptr<LineAccessibility>> accessibility_;
};

}  // namespace tintavo::win32
