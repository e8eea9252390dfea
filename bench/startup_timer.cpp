// Times the start of the picker and of the reference picker: from just before CreateProcess
// until the picker's colour code box (EDIT 1013) holds a text, or until the reference's title
// holds the colour code of its first pixel. One long-running process launches every run and
// polls about once a millisecond; it also keeps the Wine session up between the runs.
//   startup_timer RUNS PICKER_EXE REFERENCE_EXE
// Prints one line per run, then a summary row per program and start point.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "bench_stats.h"
#include "stopwatch.h"

namespace {

using tintavo::bench::PrintHeader;
using tintavo::bench::PrintRow;
using tintavo::bench::Stopwatch;
using tintavo::bench::Summarise;

constexpr double kReadyDeadlineMs = 30000.0;
constexpr DWORD kExitDeadlineMs = 10000;
constexpr UINT kMessageTimeoutMs = 1000;
constexpr int kColourCodeId = 1013;

struct Program {
    const char* name;
    std::wstring path;
    const wchar_t* windowClass;
    // The window that shows the first colour, given the top-level window.
    HWND (*colourWindow)(HWND);
    std::vector<double> fromLaunch;
    std::vector<double> fromCreation;
};

HWND PickerColourWindow(HWND form) { return ::GetDlgItem(form, kColourCodeId); }

HWND ReferenceColourWindow(HWND window) { return window; }

// WM_GETTEXT for both programs, so that both answer the same message at the same rate.
bool ShowsColourCode(HWND window) {
    wchar_t text[16]{};
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                               kMessageTimeoutMs, &copied)) {
        return false;
    }
    return copied > 0 && text[0] == L'#';
}

double FileTimeMs(const FILETIME& time) {
    const ULONGLONG ticks = (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<double>(ticks) / 10000.0;
}

struct ProcessHandles {
    PROCESS_INFORMATION info{};
    ~ProcessHandles() {
        if (info.hThread) ::CloseHandle(info.hThread);
        if (info.hProcess) ::CloseHandle(info.hProcess);
    }
};

// Closes the program's window and waits for it to end; ends it by its handle if it does not.
bool Stop(HANDLE process, HWND window) {
    if (window) ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process, kExitDeadlineMs) == WAIT_OBJECT_0) return true;
    ::TerminateProcess(process, 1);
    ::WaitForSingleObject(process, kExitDeadlineMs);
    return false;
}

// One start; false when the program did not show a colour in time or did not close.
bool TimeOneStart(const Stopwatch& clock, Program& program, bool record) {
    std::wstring commandLine = L"\"" + program.path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    ProcessHandles process;
    FILETIME launchedAt{};
    ::GetSystemTimePreciseAsFileTime(&launchedAt);
    const double launched = clock.NowMs();
    if (!::CreateProcessW(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process.info)) {
        std::fprintf(stderr, "startup_timer: cannot start %s (error %lu)\n", program.name, ::GetLastError());
        return false;
    }
    HWND window = nullptr;
    HWND colour = nullptr;
    double ready = 0.0;
    while (true) {
        if (!window) window = ::FindWindowW(program.windowClass, nullptr);
        if (window && !colour) colour = program.colourWindow(window);
        if (colour && ShowsColourCode(colour)) {
            ready = clock.NowMs();
            break;
        }
        if (clock.NowMs() - launched > kReadyDeadlineMs) {
            std::fprintf(stderr, "startup_timer: %s showed no colour within %.0f ms\n", program.name, kReadyDeadlineMs);
            Stop(process.info.hProcess, window);
            return false;
        }
        ::Sleep(1);
    }
    FILETIME readyAt{};
    ::GetSystemTimePreciseAsFileTime(&readyAt);
    FILETIME createdAt{};
    FILETIME exitedAt{};
    FILETIME kernel{};
    FILETIME user{};
    ::GetProcessTimes(process.info.hProcess, &createdAt, &exitedAt, &kernel, &user);

    const double fromLaunch = ready - launched;
    const double fromCreation = FileTimeMs(readyAt) - FileTimeMs(createdAt);
    if (record) {
        program.fromLaunch.push_back(fromLaunch);
        program.fromCreation.push_back(fromCreation);
        std::printf("run %-10s from_launch_ms=%8.2f from_creation_ms=%8.2f launch_to_creation_ms=%6.2f\n",
                    program.name, fromLaunch, fromCreation, FileTimeMs(createdAt) - FileTimeMs(launchedAt));
        std::fflush(stdout);
    }
    if (!Stop(process.info.hProcess, window)) {
        std::fprintf(stderr, "startup_timer: %s did not close\n", program.name);
        return false;
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    int runs = 0;
    if (argc != 4 || (runs = std::wcstol(argv[1], nullptr, 10)) <= 0) {
        std::fputs("usage: startup_timer RUNS PICKER_EXE REFERENCE_EXE\n", stderr);
        return 2;
    }
    std::vector<Program> programs{
        {"tintavo", argv[2], L"TintavoForm1", &PickerColourWindow, {}, {}},
        {"reference", argv[3], L"TintavoReferencePicker", &ReferenceColourWindow, {}, {}},
    };
    const Stopwatch clock;
    // One start of each, untimed, brings up the rest of the session (the desktop, the
    // services) and the files into the page cache.
    for (Program& program : programs) {
        if (!TimeOneStart(clock, program, false)) return 1;
    }
    // Alternating, so that drift weighs on both alike.
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            if (!TimeOneStart(clock, program, true)) return 1;
        }
    }
    PrintHeader();
    for (Program& program : programs) {
        const std::string key = std::string("startup_") + program.name;
        PrintRow(key.c_str(), Summarise(program.fromLaunch));
        PrintRow((key + "_created").c_str(), Summarise(program.fromCreation));
    }
    return 0;
}
