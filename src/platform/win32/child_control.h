#pragma once

#include <windows.h>

#include <optional>

#include "platform/colour_value.h"
#include "platform/forms/image_surface.h"
#include "platform/win32/handles.h"

namespace tintavo::win32 {

// A background and text colour; system colours are looked up at each use, so the control
// follows a change of the desktop's scheme.
class ColourScheme {
public:
    ColourScheme(ColourValue background, ColourValue text);

    // Prepares a WM_CTLCOLOR* reply: the colours set in the DC, the brush returned.
    HBRUSH Apply(HDC dc) const;

private:
    ColourValue background_;
    ColourValue text_;
    unique_hbrush ownBrush_;
};

// One child window of a form: its identifier (what GetDlgCtrlID answers) and, for controls
// the form colours, its colours.
class ChildControl {
public:
    ChildControl(HWND parent, int id, const wchar_t* windowClass, DWORD style, DWORD extendedStyle);
    virtual ~ChildControl() = default;
    ChildControl(const ChildControl&) = delete;
    ChildControl& operator=(const ChildControl&) = delete;

    HWND hwnd() const noexcept { return hwnd_; }
    int id() const noexcept { return id_; }

    // Moves and sizes the control, in physical pixels of the parent's client area.
    void Place(const PixelRect& box) const;
    void SetFont(HFONT font) const;

    // The reply to WM_CTLCOLOR* for this control, or null to leave it to Windows.
    HBRUSH Colour(HDC dc) const { return colours_ ? colours_->Apply(dc) : nullptr; }
    void SetColours(ColourValue background, ColourValue text) { colours_.emplace(background, text); }

private:
    int id_;
    HWND hwnd_;
    std::optional<ColourScheme> colours_;
};

}  // namespace tintavo::win32
