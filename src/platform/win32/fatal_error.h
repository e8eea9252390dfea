#pragma once

#include <windows.h>

namespace tintavo::win32 {

// A run-time error that nothing handled ends the program after a message box with its number
// and text, as the program's users expect of it.
[[noreturn]] void ReportFatalErrorAndExit() noexcept;

// True while the message box of a fatal error is up: its message loop still delivers timer
// and mouse messages, which must no longer reach the handlers.
bool FatalErrorInProgress() noexcept;

// Runs a window procedure's work; an exception that escapes it ends the program. No exception
// crosses into Windows.
template <typename Work>
LRESULT Guarded(Work&& work) noexcept {
    try {
        return work();
    } catch (...) {
        ReportFatalErrorAndExit();
    }
}

}  // namespace tintavo::win32
