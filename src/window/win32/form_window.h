#pragma once

#include <windows.h>

#include <memory>

#include "platform/sampling_platform.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"
#include "window/colour_info.h"
#include "window/colour_menus.h"
#include "window/form1.h"
#include "window/hold_hotkey.h"
#include "window/win32/colour_info_window.h"
#include "window/win32/fonts.h"
#include "window/win32/form_accessibility.h"
#include "window/win32/magnifier_window.h"
#include "window/win32/window_menu.h"

namespace tintavo::win32 {

// The Win32 window of Form1: creates the controls, lays them out at the window's DPI and
// routes the window's messages to the form's handlers.
class FormWindow {
public:
    static constexpr wchar_t kClassName[] = L"TintavoForm1";

    explicit FormWindow(Win32Platform& platform);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Creates the window and its controls, starts the timer and runs Load, which shows it.
    void Create(HINSTANCE instance);

    // Gives the form the first look at a message of the thread's loop: the key preview of
    // KeyPress and Tab between the controls. True when the message is used up.
    bool PreviewMessage(MSG& message);

private:
    struct Children;
    struct ChangeScope;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void ApplyDpi(int dpi);
    void OnPaint();
    void OnDpiChanged(int dpi, const RECT& suggested);
    LRESULT OnControlColour(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnHorizontalScroll(WPARAM wParam, LPARAM lParam);
    void OnActivate(WPARAM wParam);
    void OnTimer(WPARAM id);
    LRESULT OnSystemCommand(WPARAM wParam, LPARAM lParam);
    bool OnMenuCommand(WPARAM command);
    bool OnContextMenu(HWND target, LPARAM at);
    void OnHotkey(WPARAM id);
    void OnMagnifierClosed();
    void OnColourInfoClosed();
    void OnDestroy();
    void ToggleMagnifier();
    void ToggleColourInfo();
    bool PreviewCharacter(MSG& message);
    bool MovePointerByArrow(WPARAM key);
    void MoveFocus(bool backwards);

    Win32Platform& platform_;
    // The form's Windows calls pass through it, so that the magnifier knows the pixel a tick
    // read and the tick can average an area.
    SamplingPlatform sampling_;
    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<Children> children_;
    std::unique_ptr<HoldHotkey> holdHotkey_;
    std::unique_ptr<ColourMenus> colourMenus_;
    std::unique_ptr<WindowMenu> windowMenu_;
    std::unique_ptr<MagnifierWindow> magnifier_;
    // Kept for the session, so that the reference colour outlives the window.
    std::unique_ptr<ColourInfo> colourInfo_;
    std::unique_ptr<ColourInfoWindow> colourInfoWindow_;
    // Destroyed before the controls: its subclasses sit on top of the copy label's own.
    std::unique_ptr<FormAccessibility> accessibility_;
    FontSet fonts_;
    unique_hbitmap banner_;
    unique_hicon bigIcon_;
    unique_hicon smallIcon_;
    HWND lastFocus_ = nullptr;
};

}  // namespace tintavo::win32
