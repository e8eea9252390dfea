#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/handles.h"

namespace tintavo::win32 {

// The window's fonts at one DPI. The design face is "ＭＳ Ｐゴシック"; where it is missing, the
// first installed proportional face with Japanese glyphs takes its place.
struct FontSet {
    unique_hfont caption;           // 12 pt: the R, G, B letters, the status line and the code
    unique_hfont copyLabel;         // 9.75 pt, the copy label
    unique_hfont copyLabelUnderlined;
    unique_hfont userInterface;     // the desktop's message font, for the number boxes
};

FontSet CreateFontSet(int dpi);

// The face the fonts use on this system.
const std::wstring& JapaneseFace();

}  // namespace tintavo::win32
