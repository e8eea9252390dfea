#pragma once

#include <windows.h>

#include <string>

#include "colour_targets.h"
#include "window/win32/form_window.h"
#include "platform/win32/win32_platform.h"
#include "stopwatch.h"
#include "window/layout.h"

namespace tintavo::bench {

inline constexpr UINT_PTR kSamplingTimerId = 1;

// The real picker window in this process, the two colours the pointer moves between and the
// clock: what every timing loop of the tick benchmark works on.
struct TickFixture {
    win32::Win32Platform& platform;
    win32::FormWindow& window;
    HWND form;
    const ColourTargets& targets;
    Stopwatch clock;

    // Runs the thread's pending messages as the program's own loop does. The last, empty
    // PeekMessage is where Wine copies what was painted to the X server.
    void Pump() const;

    // One tick as the timer would raise it, and the repaint it leaves behind.
    void Tick() const {
        ::SendMessageW(form, WM_TIMER, kSamplingTimerId, 0);
        Pump();
    }

    // Puts the pointer at a point and lets Wine's own record of its position age: Wine answers
    // GetCursorPos from that record for 100 ms after it last moved the pointer itself, and asks
    // the X server after that, which is what every tick of a picker left alone pays.
    void RestPointer(POINT at) const;

    HWND Control(ControlId id) const { return ::GetDlgItem(form, static_cast<int>(id)); }
};

// "#RRGGBB", as the picker writes a colour code.
std::wstring ColourCode(COLORREF colour);

}  // namespace tintavo::bench
