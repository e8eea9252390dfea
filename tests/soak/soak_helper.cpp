// The soak run's eyes under Wine: a server that reads the picker's whole state and the resources
// of its process on request, and a window of colour patches for the picker to sample.
//
//   serve      answers commands, one a line on stdin, with one line on stdout: "ok", a tab and the
//              answer's fields, or "error", a tab and the reason. A watchdog ends the server if a
//              command takes more than five seconds, so that a hung picker cannot hang the run.
//   patches X Y CELL COLUMNS RRGGBB...
//              a borderless window at X,Y of square cells CELL pixels wide, COLUMNS a row, in
//              the colours given; it stays until its process is ended
//
// Commands (texts come back escaped: \\ \t \r \n, other control characters \uXXXX):
//   state             status label, the texts of the three number boxes and of the code box, the
//                     component each number box names (0..255, "-" for a text that names none),
//                     the three scroll positions, the swatch's centre pixel on the screen
//                     (RRGGBB), the cursor's x and y and the screen pixel under it, the frame's
//                     left, top, right and bottom, the client area's left and top on the screen,
//                     the visible top-level windows of the process and the id of the control with
//                     the focus
//   expect type|paste SCROLL HEX
//                     the text a number box should show and the value its scroll bar should take
//                     once the text HEX (hex UTF-8 bytes, "empty" for none) is typed into it or
//                     pasted, while the colour is held with the scroll bar at SCROLL
//   resources         key=value pairs: GetGuiResources' GDI and USER counts and its error, the
//                     live entries of the process's GDI handle table, its windows, its kernel
//                     handles by GetProcessHandleCount and by the system handle list, its private
//                     bytes and working set
//   clipboard         the clipboard's text
//   clipboard-sequence
//                     the clipboard's sequence number, which every change raises; reading it
//                     leaves the clipboard free for the picker, as opening it would not
//   hold-clipboard MS opens the clipboard from another thread, answers once it is open and
//                     closes it MS milliseconds later (Wine 8 lets the other threads of this
//                     process open it meanwhile, as none of them passes a window; the picker
//                     passes its own and finds it busy)
//   hold-wait         answers once that thread has closed the clipboard again
//   magnifier         "open", the magnifier window's frame (left, top, right, bottom) and its
//                     client area's left and top on the screen; or "closed"
//   info              the same of the colour information window
//   info-text ID      the text of the colour information's line ID
//   menu-popup        "open" while a popup menu is shown, such as the window menu, else an error:
//                     answered at once, where a new probe can take seconds to start on a busy
//                     machine
//   toggle-magnifier N, toggle-info N
//                     opens or closes the window N times (1..200) as its item in the window menu
//                     does, and answers as "magnifier" or "info" does
//   accessible        as a screen reader reads them, the name and the value of the three number
//                     boxes, the three scroll bars, the code box and the swatch, in that order
#include <windows.h>
#include <initguid.h>
#include <oleacc.h>
#include <psapi.h>
#include <winternl.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "../e2e/remote_window.h"

namespace {

using namespace tintavo::remote;

constexpr wchar_t kPatchesClass[] = L"TintavoSoakPatches";
constexpr wchar_t kMagnifierClass[] = L"TintavoMagnifier";
constexpr wchar_t kColourInfoClass[] = L"TintavoColourInfo";
// The items of the magnifier and the colour information in the picker's window menu, as
// WM_SYSCOMMAND carries them.
constexpr WPARAM kMagnifierCommand = 0x0010;
constexpr WPARAM kColourInfoCommand = 0x0040;
constexpr ULONGLONG kWatchdogMilliseconds = 5000;

constexpr int kSwatchId = 1001;
constexpr int kFirstNumberBoxId = 1006;
constexpr int kFirstScrollBarId = 1009;
constexpr int kStatusLabelId = 1012;
constexpr int kCodeBoxId = 1013;

constexpr int kExitUsage = 2;
constexpr int kExitFailed = 3;
constexpr int kExitTimedOut = 124;

using Fields = std::vector<std::wstring>;

// The tick count by which the command being answered must be done; 0 while none is.
std::atomic<ULONGLONG> gDeadline{0};

DWORD WINAPI Watchdog(void*) {
    for (;;) {
        Sleep(100);
        const ULONGLONG deadline = gDeadline.load();
        if (deadline != 0 && GetTickCount64() > deadline) {
            std::fputs("soak_helper: a command timed out\n", stderr);
            std::fflush(stderr);
            ExitProcess(kExitTimedOut);
        }
    }
}

std::wstring FromUtf8(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
    return text;
}

void PrintLine(const std::wstring& status, const Fields& fields) {
    std::wstring line = status;
    for (const std::wstring& field : fields) line += L'\t' + field;
    line += L'\n';
    const std::string utf8 = ToUtf8(line);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

std::wstring Escaped(const std::wstring& text) {
    std::wstring out;
    for (const wchar_t c : text) {
        switch (c) {
        case L'\\': out += L"\\\\"; break;
        case L'\t': out += L"\\t"; break;
        case L'\r': out += L"\\r"; break;
        case L'\n': out += L"\\n"; break;
        default:
            if (c < 0x20) {
                wchar_t code[8] = {};
                std::swprintf(code, 8, L"\\u%04X", static_cast<unsigned>(c));
                out += code;
            } else {
                out += c;
            }
        }
    }
    return out;
}

std::wstring Number(long long value) { return std::to_wstring(value); }

std::wstring Hex(COLORREF colour) {
    wchar_t code[8] = {};
    std::swprintf(code, 8, L"%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return code;
}

bool ParseLong(const std::string& text, long& value, int base = 10) {
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, base);
    return !text.empty() && *end == '\0';
}

// Hex digits of UTF-8 bytes to text, so that any text passes the command line unharmed.
bool DecodeHex(const std::string& hex, std::wstring& text) {
    text.clear();
    if (hex == "empty") return true;
    if (hex.size() % 2 != 0) return false;
    std::string utf8;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        long byte = 0;
        if (!ParseLong(hex.substr(i, 2), byte, 16)) return false;
        utf8 += static_cast<char>(byte);
    }
    text = FromUtf8(utf8);
    return true;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\u3000'; }

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The component a number box's text names by the rule the README gives: blanks around it, a
// sign, a fraction, an exponent, full-width forms; rounded half to even; 0..255. -1 for none.
int ComponentOf(const std::wstring& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    std::wstring s;
    for (std::size_t i = begin; i < end; ++i) {
        wchar_t c = text[i];
        if (c >= L'\uFF01' && c <= L'\uFF5E') c = static_cast<wchar_t>(c - 0xFF01 + 0x21);
        s += c;
    }
    std::size_t i = 0;
    std::string ascii;
    const auto take = [&] { ascii += static_cast<char>(s[i++]); };
    if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) {
        if (s[i] == L'-') ascii += '-';
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) take(), ++digits;
    if (i < s.size() && s[i] == L'.') {
        take();
        while (i < s.size() && IsDigit(s[i])) take(), ++digits;
    }
    if (digits == 0) return -1;
    if (i < s.size() && (s[i] == L'e' || s[i] == L'E')) {
        take();
        if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) take();
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i])) take(), ++exponentDigits;
        if (exponentDigits == 0) return -1;
    }
    if (i != s.size()) return -1;
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (std::isinf(value)) return -1;
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded = floor + 1.0;
    if (!(rounded >= 0.0 && rounded <= 255.0)) return -1;
    return static_cast<int>(rounded);
}

class ProcessHandle {
public:
    explicit ProcessHandle(DWORD processId)
        : handle_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId)) {}
    ~ProcessHandle() {
        if (handle_ != nullptr) CloseHandle(handle_);
    }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;

    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_ = nullptr;
};

class Clipboard {
public:
    Clipboard() {
        // Another program may hold the clipboard for a moment; try for about two seconds.
        for (int attempt = 0; attempt < 40 && !open_; ++attempt) {
            open_ = OpenClipboard(nullptr) != 0;
            if (!open_) Sleep(50);
        }
    }
    ~Clipboard() {
        if (open_) CloseClipboard();
    }
    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;

    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

struct WindowCount {
    DWORD processId = 0;
    int visibleTopLevel = 0;
    int all = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
    ++reinterpret_cast<WindowCount*>(param)->all;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
    auto* count = reinterpret_cast<WindowCount*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != count->processId) return TRUE;
    ++count->all;
    if (IsWindowVisible(window)) ++count->visibleTopLevel;
    EnumChildWindows(window, CountChild, param);
    return TRUE;
}

WindowCount CountWindows(DWORD processId) {
    WindowCount count{processId, 0, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Cross-process GetScrollInfo sends a message with no timeout; the caller has asked WM_NULL first.
bool ScrollPosition(HWND control, int& position) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    if (!GetScrollInfo(control, SB_CTL, &info)) return false;
    position = info.nPos;
    return true;
}

HWND FindForm(std::wstring& error) {
    const HWND form = FindWindowW(kFormClass, nullptr);
    if (form == nullptr) error = L"no TintavoForm1 window";
    return form;
}

bool State(Fields& fields, std::wstring& error) {
    const HWND form = FindForm(error);
    if (form == nullptr) return false;
    if (!Answers(form)) {
        error = L"the window does not answer";
        return false;
    }
    std::wstring text;
    if (!ReadText(GetDlgItem(form, kStatusLabelId), text)) {
        error = L"the status label does not answer";
        return false;
    }
    fields.push_back(Escaped(text));
    std::vector<int> components;
    for (int i = 0; i < 3; ++i) {
        if (!ReadText(GetDlgItem(form, kFirstNumberBoxId + i), text)) {
            error = L"a number box does not answer";
            return false;
        }
        fields.push_back(Escaped(text));
        components.push_back(ComponentOf(text));
    }
    if (!ReadText(GetDlgItem(form, kCodeBoxId), text)) {
        error = L"the code box does not answer";
        return false;
    }
    fields.push_back(Escaped(text));
    for (const int component : components) fields.push_back(component < 0 ? L"-" : Number(component));
    for (int i = 0; i < 3; ++i) {
        int position = 0;
        if (!ScrollPosition(GetDlgItem(form, kFirstScrollBarId + i), position)) {
            error = L"GetScrollInfo failed";
            return false;
        }
        fields.push_back(Number(position));
    }

    const ScreenDc screen;
    RECT swatch{};
    GetWindowRect(GetDlgItem(form, kSwatchId), &swatch);
    const COLORREF swatchColour =
        GetPixel(screen.Get(), (swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2);
    POINT cursor{};
    GetCursorPos(&cursor);
    const COLORREF underCursor = GetPixel(screen.Get(), cursor.x, cursor.y);
    if (swatchColour == CLR_INVALID || underCursor == CLR_INVALID) {
        error = L"GetPixel failed";
        return false;
    }
    fields.push_back(Hex(swatchColour));
    fields.push_back(Number(cursor.x));
    fields.push_back(Number(cursor.y));
    fields.push_back(Hex(underCursor));

    RECT frame{};
    GetWindowRect(form, &frame);
    POINT client{0, 0};
    ClientToScreen(form, &client);
    for (const long value : {frame.left, frame.top, frame.right, frame.bottom, client.x, client.y}) {
        fields.push_back(Number(value));
    }

    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(form, &processId);
    fields.push_back(Number(CountWindows(processId).visibleTopLevel));
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    const bool haveFocus = GetGUIThreadInfo(threadId, &thread) != 0 && thread.hwndFocus != nullptr;
    fields.push_back(Number(haveFocus ? GetDlgCtrlID(thread.hwndFocus) : 0));
    return true;
}

// What the README promises for a held colour: a text that names a new value moves the scroll
// bar there and the box then shows the plain number; a text that names none, or the value the
// bar already has, stays as entered. Typing enters the text a character at a time, the first
// one replacing the selected old text, so every prefix counts; a paste enters it at once.
bool Expect(const std::vector<std::string>& args, Fields& fields, std::wstring& error) {
    long scroll = 0;
    std::wstring entered;
    if (args.size() != 4 || (args[1] != "type" && args[1] != "paste") || !ParseLong(args[2], scroll) ||
        !DecodeHex(args[3], entered)) {
        error = L"usage: expect type|paste SCROLL HEX";
        return false;
    }
    std::wstring text;
    const auto enter = [&](const std::wstring& next) {
        text = next;
        const int component = ComponentOf(text);
        if (component >= 0 && component != scroll) {
            scroll = component;
            text = std::to_wstring(component);
        }
    };
    if (args[1] == "paste") {
        enter(entered);
    } else {
        for (const wchar_t c : entered) enter(text + c);
        if (entered.empty()) enter(L"");
    }
    fields = {Escaped(text), Number(scroll)};
    return true;
}

// Wine keeps a process's GDI objects in a table of its own, which the PEB points to as on
// Windows; an entry of type 0 is free. -1 when the table cannot be read.
long CountGdiTableEntries(HANDLE process) {
    struct Entry {
        UINT64 object;
        ULONG owner;
        USHORT unique;
        UCHAR type;
        UCHAR flags;
        UINT64 userPointer;
    };
    static_assert(sizeof(Entry) == 24);
    constexpr std::size_t kEntries = 0x10000;
    constexpr std::size_t kGdiSharedHandleTableOffset = 0xF8;  // in the 64-bit PEB

    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
    UINT64 table = 0;
    SIZE_T read = 0;
    const auto* peb = static_cast<const char*>(static_cast<const void*>(basic.PebBaseAddress));
    if (!ReadProcessMemory(process, peb + kGdiSharedHandleTableOffset, &table, sizeof table, &read) || table == 0) {
        return -1;
    }
    std::vector<Entry> entries(kEntries);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<UINT_PTR>(table)), entries.data(),
                           entries.size() * sizeof(Entry), &read)) {
        return -1;
    }
    return static_cast<long>(std::count_if(entries.begin(), entries.end(), [](const Entry& e) { return e.type != 0; }));
}

// GetProcessHandleCount answers 0 under Wine 8; the system-wide handle list names each
// handle's process. -1 when the list cannot be read.
long CountKernelHandles(DWORD processId) {
    struct Entry {
        void* object;
        ULONG_PTR uniqueProcessId;
        ULONG_PTR handleValue;
        ULONG grantedAccess;
        USHORT creatorBackTraceIndex;
        USHORT objectTypeIndex;
        ULONG handleAttributes;
        ULONG reserved;
    };
    struct Header {
        ULONG_PTR numberOfHandles;
        ULONG_PTR reserved;
    };
    constexpr auto kSystemExtendedHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(64);
    constexpr auto kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

    std::vector<unsigned char> buffer(1 << 16);
    for (;;) {
        ULONG needed = 0;
        const NTSTATUS status = NtQuerySystemInformation(kSystemExtendedHandleInformation, buffer.data(),
                                                         static_cast<ULONG>(buffer.size()), &needed);
        if (status == kInfoLengthMismatch && buffer.size() < (std::size_t{1} << 26)) {
            buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed + 4096));
            continue;
        }
        if (status != 0) return -1;
        break;
    }
    Header header{};
    std::memcpy(&header, buffer.data(), sizeof header);
    long count = 0;
    for (ULONG_PTR i = 0; i < header.numberOfHandles; ++i) {
        const std::size_t offset = sizeof(Header) + i * sizeof(Entry);
        if (offset + sizeof(Entry) > buffer.size()) return -1;
        Entry entry{};
        std::memcpy(&entry, buffer.data() + offset, sizeof entry);
        if (entry.uniqueProcessId == processId) ++count;
    }
    return count;
}

bool Resources(Fields& fields, std::wstring& error) {
    const HWND form = FindForm(error);
    if (form == nullptr) return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(form, &processId);
    const ProcessHandle process(processId);
    if (process.Get() == nullptr) {
        error = L"OpenProcess failed";
        return false;
    }
    SetLastError(ERROR_SUCCESS);
    const DWORD gdiObjects = GetGuiResources(process.Get(), GR_GDIOBJECTS);
    const DWORD userObjects = GetGuiResources(process.Get(), GR_USEROBJECTS);
    const DWORD guiError = GetLastError();
    DWORD handles = 0;
    const bool haveHandles = GetProcessHandleCount(process.Get(), &handles) != 0;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    const bool haveMemory =
        GetProcessMemoryInfo(process.Get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory) != 0;

    fields = {L"gdi_api=" + Number(gdiObjects),
              L"user_api=" + Number(userObjects),
              L"gui_error=" + Number(guiError),
              L"gdi_table=" + Number(CountGdiTableEntries(process.Get())),
              L"windows=" + Number(CountWindows(processId).all),
              L"handles_api=" + Number(haveHandles ? static_cast<long long>(handles) : -1),
              L"handles_list=" + Number(CountKernelHandles(processId)),
              L"private=" + Number(haveMemory ? static_cast<long long>(memory.PrivateUsage) : -1),
              L"ws=" + Number(haveMemory ? static_cast<long long>(memory.WorkingSetSize) : -1)};
    return true;
}

bool ClipboardText(Fields& fields, std::wstring& error) {
    const Clipboard clipboard;
    if (!clipboard.IsOpen()) {
        error = L"the clipboard is busy";
        return false;
    }
    std::wstring text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    fields.push_back(Escaped(text));
    return true;
}

bool ClipboardSequence(Fields& fields) {
    fields.push_back(Number(GetClipboardSequenceNumber()));
    return true;
}

struct Hold {
    DWORD milliseconds = 0;
    HANDLE opened = nullptr;
    bool held = false;
};

DWORD WINAPI HoldClipboardThread(void* param) {
    auto* hold = static_cast<Hold*>(param);
    const DWORD milliseconds = hold->milliseconds;
    const Clipboard clipboard;
    hold->held = clipboard.IsOpen();
    SetEvent(hold->opened);
    if (clipboard.IsOpen()) Sleep(milliseconds);
    return 0;
}

// The thread of the last hold-clipboard, until hold-wait has seen it end.
HANDLE gHoldThread = nullptr;

bool HoldClipboard(const std::vector<std::string>& args, Fields& fields, std::wstring& error) {
    if (gHoldThread != nullptr) {
        error = L"the clipboard is held already";
        return false;
    }
    long milliseconds = 0;
    if (args.size() != 2 || !ParseLong(args[1], milliseconds) || milliseconds < 0 || milliseconds > 3000) {
        error = L"usage: hold-clipboard MS (0..3000)";
        return false;
    }
    Hold hold{static_cast<DWORD>(milliseconds), CreateEventW(nullptr, TRUE, FALSE, nullptr), false};
    if (hold.opened == nullptr) {
        error = L"CreateEventW failed";
        return false;
    }
    const HANDLE thread = CreateThread(nullptr, 0, HoldClipboardThread, &hold, 0, nullptr);
    if (thread == nullptr) {
        CloseHandle(hold.opened);
        error = L"CreateThread failed";
        return false;
    }
    WaitForSingleObject(hold.opened, INFINITE);
    // The thread reads nothing of `hold` once it has signalled.
    CloseHandle(hold.opened);
    if (!hold.held) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        error = L"the clipboard is busy";
        return false;
    }
    gHoldThread = thread;
    fields.push_back(L"held");
    return true;
}

bool HoldWait(Fields& fields, std::wstring& error) {
    if (gHoldThread == nullptr) {
        error = L"the clipboard is not held";
        return false;
    }
    WaitForSingleObject(gHoldThread, INFINITE);
    CloseHandle(gHoldThread);
    gHoldThread = nullptr;
    fields.push_back(L"released");
    return true;
}

bool ToolWindow(const wchar_t* windowClass, Fields& fields) {
    const HWND window = FindWindowW(windowClass, nullptr);
    if (window == nullptr || !IsWindowVisible(window)) {
        fields.push_back(L"closed");
        return true;
    }
    RECT frame{};
    GetWindowRect(window, &frame);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    fields.push_back(L"open");
    for (const long value : {frame.left, frame.top, frame.right, frame.bottom, client.x, client.y}) {
        fields.push_back(Number(value));
    }
    return true;
}

bool MenuPopup(Fields& fields, std::wstring& error) {
    HWND popup = nullptr;
    while ((popup = FindWindowExW(nullptr, popup, L"#32768", nullptr)) != nullptr) {
        if (IsWindowVisible(popup)) {
            fields.push_back(L"open");
            return true;
        }
    }
    error = L"no popup menu open";
    return false;
}

bool InfoText(const std::vector<std::string>& args, Fields& fields, std::wstring& error) {
    long id = 0;
    if (args.size() != 2 || !ParseLong(args[1], id)) {
        error = L"usage: info-text ID";
        return false;
    }
    const HWND window = FindWindowW(kColourInfoClass, nullptr);
    std::wstring text;
    if (window == nullptr || !ReadText(GetDlgItem(window, static_cast<int>(id)), text)) {
        error = L"no such line of the colour information";
        return false;
    }
    fields.push_back(Escaped(text));
    return true;
}

bool ToggleWindow(const std::vector<std::string>& args, WPARAM command, const wchar_t* windowClass, Fields& fields,
                  std::wstring& error) {
    long times = 0;
    if (args.size() != 2 || !ParseLong(args[1], times) || times < 1 || times > 200) {
        error = L"usage: " + FromUtf8(args[0]) + L" N (1..200)";
        return false;
    }
    const HWND form = FindForm(error);
    if (form == nullptr) return false;
    for (long i = 0; i < times; ++i) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(form, WM_SYSCOMMAND, command, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                 kMessageTimeoutMilliseconds, &result)) {
            error = L"the window does not answer";
            return false;
        }
    }
    return ToolWindow(windowClass, fields);
}

IAccessible* AccessibleOf(HWND control) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                               reinterpret_cast<void**>(&object));
    return object;
}

// A screen reader's read of a control's name and value through a new request for its object.
// The first object of each control stays held, as a screen reader holds what it reads, which
// keeps the connection to the picker open between the reads.
bool ReadAccessible(HWND control, Fields& fields) {
    static std::vector<HWND> held;
    if (std::find(held.begin(), held.end(), control) == held.end() && AccessibleOf(control) != nullptr) {
        held.push_back(control);
    }
    IAccessible* object = AccessibleOf(control);
    if (object == nullptr) return false;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    for (auto read : {&IAccessible::get_accName, &IAccessible::get_accValue}) {
        BSTR text = nullptr;
        const bool answered = SUCCEEDED((object->*read)(self, &text));
        fields.push_back(answered && text != nullptr ? Escaped(std::wstring(text, SysStringLen(text))) : L"-");
        SysFreeString(text);
    }
    object->Release();
    return true;
}

bool Accessible(Fields& fields, std::wstring& error) {
    const HWND form = FindForm(error);
    if (form == nullptr) return false;
    for (const int id : {kFirstNumberBoxId, kFirstNumberBoxId + 1, kFirstNumberBoxId + 2, kFirstScrollBarId,
                         kFirstScrollBarId + 1, kFirstScrollBarId + 2, kCodeBoxId, kSwatchId}) {
        if (!ReadAccessible(GetDlgItem(form, id), fields)) {
            error = L"a control gives no accessible object";
            return false;
        }
    }
    return true;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::size_t begin = 0;
    while (begin < line.size()) {
        const std::size_t end = std::min(line.find(' ', begin), line.size());
        if (end > begin) words.push_back(line.substr(begin, end - begin));
        begin = end + 1;
    }
    return words;
}

bool ReadLine(std::string& line) {
    line.clear();
    int c = 0;
    while ((c = std::fgetc(stdin)) != EOF && c != '\n') {
        if (c != '\r') line += static_cast<char>(c);
    }
    return c != EOF || !line.empty();
}

bool Answer(const std::vector<std::string>& args, Fields& fields, std::wstring& error) {
    const std::string& command = args[0];
    if (command == "state" && args.size() == 1) return State(fields, error);
    if (command == "expect") return Expect(args, fields, error);
    if (command == "resources" && args.size() == 1) return Resources(fields, error);
    if (command == "clipboard" && args.size() == 1) return ClipboardText(fields, error);
    if (command == "clipboard-sequence" && args.size() == 1) return ClipboardSequence(fields);
    if (command == "hold-clipboard") return HoldClipboard(args, fields, error);
    if (command == "hold-wait" && args.size() == 1) return HoldWait(fields, error);
    if (command == "magnifier" && args.size() == 1) return ToolWindow(kMagnifierClass, fields);
    if (command == "info" && args.size() == 1) return ToolWindow(kColourInfoClass, fields);
    if (command == "info-text") return InfoText(args, fields, error);
    if (command == "menu-popup" && args.size() == 1) return MenuPopup(fields, error);
    if (command == "toggle-magnifier") return ToggleWindow(args, kMagnifierCommand, kMagnifierClass, fields, error);
    if (command == "toggle-info") return ToggleWindow(args, kColourInfoCommand, kColourInfoClass, fields, error);
    if (command == "accessible" && args.size() == 1) return Accessible(fields, error);
    error = L"unknown command";
    return false;
}

int Serve() {
    // A single-threaded apartment for the calls to the picker's accessible objects.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return kExitFailed;
    if (HANDLE watchdog = CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr)) CloseHandle(watchdog);
    std::string line;
    while (ReadLine(line)) {
        const std::vector<std::string> args = Words(line);
        if (args.empty()) continue;
        gDeadline = GetTickCount64() + kWatchdogMilliseconds;
        Fields fields;
        std::wstring error;
        const bool ok = Answer(args, fields, error);
        gDeadline = 0;
        if (ok) {
            PrintLine(L"ok", fields);
        } else {
            PrintLine(L"error", {error});
        }
    }
    return 0;
}

struct Patches {
    int cell = 0;
    int columns = 0;
    std::vector<COLORREF> colours;
};

Patches gPatches;

LRESULT CALLBACK PatchesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(window, &paint);
        for (std::size_t i = 0; i < gPatches.colours.size(); ++i) {
            const int column = static_cast<int>(i) % gPatches.columns;
            const int row = static_cast<int>(i) / gPatches.columns;
            const RECT cell{column * gPatches.cell, row * gPatches.cell, (column + 1) * gPatches.cell,
                            (row + 1) * gPatches.cell};
            const HBRUSH brush = CreateSolidBrush(gPatches.colours[i]);
            FillRect(dc, &cell, brush);
            DeleteObject(brush);
        }
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int ShowPatches(const std::vector<std::string>& args) {
    long x = 0;
    long y = 0;
    long cell = 0;
    long columns = 0;
    if (args.size() < 6 || !ParseLong(args[1], x) || !ParseLong(args[2], y) || !ParseLong(args[3], cell) ||
        !ParseLong(args[4], columns) || cell <= 0 || columns <= 0) {
        std::fputs("soak_helper: usage: patches X Y CELL COLUMNS RRGGBB...\n", stderr);
        return kExitUsage;
    }
    gPatches.cell = static_cast<int>(cell);
    gPatches.columns = static_cast<int>(columns);
    for (std::size_t i = 5; i < args.size(); ++i) {
        long rgb = 0;
        if (args[i].size() != 6 || !ParseLong(args[i], rgb, 16)) {
            std::fputs("soak_helper: a colour is not RRGGBB\n", stderr);
            return kExitUsage;
        }
        gPatches.colours.push_back(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    }
    const int count = static_cast<int>(gPatches.colours.size());
    const int rows = (count + gPatches.columns - 1) / gPatches.columns;

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PatchesProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kPatchesClass;
    RegisterClassW(&windowClass);
    const HWND window =
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kPatchesClass, L"soak patches", WS_POPUP,
                        static_cast<int>(x), static_cast<int>(y), gPatches.columns * gPatches.cell,
                        rows * gPatches.cell, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr) {
        std::fputs("soak_helper: CreateWindowExW failed\n", stderr);
        return kExitFailed;
    }
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    std::puts("shown");
    std::fflush(stdout);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    // Physical pixels, as the picker sees them, whatever DPI the prefix reports.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(ToUtf8(argv[i]));
    if (args.size() == 1 && args[0] == "serve") return Serve();
    if (!args.empty() && args[0] == "patches") return ShowPatches(args);
    std::fputs("usage: soak_helper serve | patches X Y CELL COLUMNS RRGGBB...\n", stderr);
    return kExitUsage;
}
