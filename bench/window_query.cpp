// Reads a top-level window of another process by its class, for the benchmark script:
//   window_query rect CLASS   prints "left top right bottom" of its frame
//   window_query title CLASS  prints its title
//   window_query close CLASS  asks it to close
// Exits 1 when there is no such window, 2 on a usage error, 3 when the close was refused.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kWatchdogMs = 5000;

DWORD WINAPI Watchdog(void*) {
    ::Sleep(kWatchdogMs);
    std::fputs("window_query: timed out\n", stderr);
    std::fflush(stderr);
    ::ExitProcess(124);
}

std::string ToUtf8(const std::wstring& text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr,
                          nullptr);
    return utf8;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (HANDLE watchdog = ::CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr)) ::CloseHandle(watchdog);
    if (argc != 3) {
        std::fputs("usage: window_query rect|title|close CLASS\n", stderr);
        return 2;
    }
    const std::wstring command = argv[1];
    const HWND window = ::FindWindowW(argv[2], nullptr);
    if (!window) return 1;
    if (command == L"rect") {
        RECT frame{};
        ::GetWindowRect(window, &frame);
        std::printf("%ld %ld %ld %ld\n", frame.left, frame.top, frame.right, frame.bottom);
        return 0;
    }
    if (command == L"title") {
        // Across processes this reads the title the window manager keeps, without a message.
        wchar_t title[256]{};
        ::GetWindowTextW(window, title, 256);
        std::printf("%s\n", ToUtf8(title).c_str());
        return 0;
    }
    if (command == L"close") return ::PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 3;
    std::fputs("usage: window_query rect|title|close CLASS\n", stderr);
    return 2;
}
