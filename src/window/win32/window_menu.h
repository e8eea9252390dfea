#pragma once

#include <windows.h>

#include "platform/sampling_platform.h"
#include "window/colour_menus.h"

namespace tintavo::win32 {

// The picker's additions to its window menu (Alt+Space, or a right click on the title bar),
// also shown on their own as the picker's context menu: the magnifier and the colour
// information, each with a check mark while it is open; the sample area as a radio group; the
// submenus that copy the colour in a format and bring back a recent colour or copy them all;
// and a disabled line when another program has the hold hotkey.
class WindowMenu {
public:
    // WM_SYSCOMMAND ids: below 0xF000, and the system keeps the low four bits for itself.
    static constexpr UINT kMagnifierCommand = 0x0010;
    static constexpr UINT kHotkeyTakenLine = 0x0020;
    static constexpr UINT kNoRecentLine = 0x0030;
    static constexpr UINT kColourInfoCommand = 0x0040;
    static constexpr UINT kFirstFormatCommand = 0x0100;
    static constexpr UINT kFirstRecentCommand = 0x0200;
    static constexpr UINT kFirstPaletteCommand = 0x0300;
    static constexpr UINT kFirstSampleAreaCommand = 0x0400;
    static constexpr UINT kCommandStep = 0x0010;

    // The sample area's radio mark follows the side the sampling takes.
    WindowMenu(HWND window, ColourMenus& colours, const SamplingPlatform& sampling, bool hotkeyTaken);

    static bool IsMagnifierCommand(WPARAM command) { return (command & 0xFFF0) == kMagnifierCommand; }
    static bool IsColourInfoCommand(WPARAM command) { return (command & 0xFFF0) == kColourInfoCommand; }
    void CheckMagnifier(bool open);
    void CheckColourInfo(bool open);
    // The side of the area that a sample-area item chooses, or 0 for any other command.
    static int SampleSideOf(WPARAM command);

    // Shows the same additions as a menu of their own at a screen point, as a right click on
    // the picker asks; the command chosen, or 0 when the menu was closed without a choice.
    UINT TrackContextMenu(HWND owner, POINT at) const;

    // WM_INITMENUPOPUP: a colour submenu is built anew each time it opens.
    void OnInitMenuPopup(HMENU popup);

    // WM_MEASUREITEM and WM_DRAWITEM for the colour squares beside the recent colours; false
    // for anything else.
    bool OnMeasureItem(MEASUREITEMSTRUCT& item, int dpi) const;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) const;

    // Runs a colour item's command; false for any other command.
    bool RunColourCommand(WPARAM command);

private:
    // What a colour submenu lists, kept in the submenu's own data, so that the window menu's
    // and the context menu's submenus are filled alike.
    enum class Submenu : ULONG_PTR { kNone, kFormats, kRecent, kSampleArea };

    void AppendAdditions(HMENU menu) const;
    void FillFormats(HMENU menu);
    void FillRecent(HMENU menu);
    void FillSampleArea(HMENU menu) const;

    HMENU menu_ = nullptr;
    ColourMenus& colours_;
    const SamplingPlatform& sampling_;
    bool hotkeyTaken_;
};

}  // namespace tintavo::win32
