// Reads the picker window from another process, for the end-to-end tests under Wine.
// Each subcommand prints its answer as tab-separated UTF-8 lines on stdout and exits 0,
// or prints a reason on stderr and exits non-zero (1: no such window or control). A watchdog
// ends the probe if the picker stops answering, so that a test can never hang on it.
// "--window CLASS" before a command reads another window of the picker's instead, such as the
// colour information's "TintavoColourInfo".
//
//   window              title, client width, client height, topmost (0/1), frame left, frame top,
//                       visible (0/1), frame width, frame height, client left and top on the screen
//   controls            per child, in Z order: id, class, x, y, width, height (in the form's
//                       client area), text
//   text ID             the control's text
//   scroll ID           position, minimum, maximum
//   thumb ID            the scroll bar thumb's x, y, width, height in the form's client area
//   focus-id            the id of the control that has the focus, 0 for none
//   pid                 the Windows process ID of the picker (not its Unix PID)
//   windows-of-pid PID  how many visible top-level windows that Windows process has
//   clipboard           the clipboard's text
//   hold-clipboard S    keeps the clipboard open, after printing "held", until release-clipboard
//                       or for S seconds at most
//   release-clipboard   lets the probe that holds the clipboard go
//   close               posts WM_CLOSE to the window
//   responsive          exits 0 if the window answers WM_NULL within 2 s
//   pixel X Y           the screen pixel as #RRGGBB
//   magnifier           the magnifier window: title, visible, topmost, no-activate and tool window
//                       styles (0/1), client left, top, width and height on the screen
//   magnifier-close-box the screen point of the magnifier's close box, found by hit-testing its
//                       title bar
//   menu-popup          the left, top, width and height of the open popup menu
//   foreground          the title of the foreground window, empty for none
//   hold-hotkey S       registers Ctrl+Alt+Enter for S seconds, after printing "held"
//   focus-window S      shows a plain window titled "probe focus" for S seconds, after printing
//                       its handle: another program's window to hold the keyboard focus
//   accessibility       as a screen reader reads them: per line the window (id 0), then each
//                       child in Z order: id, role, state (hex), name, value, default action,
//                       description ("-" for none)
//   do-default ID       runs the control's default action
//   read-accessible COUNT
//                       asks COUNT times for a control's accessible object, each control in turn,
//                       and reads its name and value; prints the requests made and the
//                       milliseconds they took
//   watch-events S      for S seconds, after printing "watching", the picker's accessibility
//                       events of a control's client area: event (hex), control id
#include <windows.h>
#include <initguid.h>
#include <oleacc.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "remote_window.h"

namespace {

using namespace tintavo::remote;

constexpr DWORD kWatchdogMilliseconds = 5000;

constexpr int kExitNotFound = 1;
constexpr int kExitUsage = 2;
constexpr int kExitFailed = 3;
constexpr int kExitTimedOut = 124;

DWORD gWatchdogMilliseconds = kWatchdogMilliseconds;

DWORD WINAPI Watchdog(void*) {
    Sleep(gWatchdogMilliseconds);
    std::fputs("probe: timed out\n", stderr);
    std::fflush(stderr);
    ExitProcess(kExitTimedOut);
}

void PrintLine(const std::vector<std::wstring>& fields) {
    std::wstring line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += L'\t';
        }
        line += fields[i];
    }
    line += L'\n';
    const std::string utf8 = ToUtf8(line);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

int Fail(const char* reason, int code = kExitFailed) {
    std::fprintf(stderr, "probe: %s\n", reason);
    return code;
}

std::wstring Number(long long value) {
    return std::to_wstring(value);
}

std::wstring Flag(bool value) {
    return value ? L"1" : L"0";
}

std::wstring ColourCode(COLORREF colour) {
    wchar_t code[8] = {};
    std::swprintf(code, 8, L"#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return code;
}

// Tabs and line breaks would split the output line; a caption never holds them on purpose.
std::wstring Printable(std::wstring text) {
    for (wchar_t& c : text) {
        if (c == L'\t' || c == L'\r' || c == L'\n') {
            c = L' ';
        }
    }
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

RECT RectInParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The window the commands read: the picker, or another of its windows named by --window.
const wchar_t* gWindowClass = kFormClass;

// The picker's other windows count only while shown: closed, they may be only hidden.
HWND FindForm() {
    const HWND window = FindWindowW(gWindowClass, nullptr);
    if (gWindowClass != kFormClass && window && !IsWindowVisible(window)) return nullptr;
    return window;
}

bool ParseNumber(const wchar_t* text, long& value) {
    wchar_t* end = nullptr;
    value = std::wcstol(text, &end, 10);
    return end != text && *end == L'\0';
}

HWND FindControl(HWND form, const wchar_t* idText) {
    long id = 0;
    return ParseNumber(idText, id) ? GetDlgItem(form, static_cast<int>(id)) : nullptr;
}

class ClipboardGuard {
public:
    ClipboardGuard() {
        // Another program may hold the clipboard for a moment; try for about a second.
        for (int attempt = 0; attempt < 20 && !open_; ++attempt) {
            open_ = OpenClipboard(nullptr) != 0;
            if (!open_) {
                Sleep(50);
            }
        }
    }
    ~ClipboardGuard() {
        if (open_) {
            CloseClipboard();
        }
    }
    ClipboardGuard(const ClipboardGuard&) = delete;
    ClipboardGuard& operator=(const ClipboardGuard&) = delete;

    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

int PrintWindow(HWND form) {
    wchar_t title[256] = {};
    GetWindowTextW(form, title, 256);
    RECT client{};
    GetClientRect(form, &client);
    RECT frame{};
    GetWindowRect(form, &frame);
    POINT clientOrigin{0, 0};
    ClientToScreen(form, &clientOrigin);
    const bool topmost = (GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    PrintLine({Printable(title), Number(client.right), Number(client.bottom), Flag(topmost), Number(frame.left),
               Number(frame.top), Flag(IsWindowVisible(form) != 0), Number(frame.right - frame.left),
               Number(frame.bottom - frame.top), Number(clientOrigin.x), Number(clientOrigin.y)});
    return 0;
}

int PrintControls(HWND form) {
    for (HWND child = GetWindow(form, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring text;
        if (!ReadText(child, text)) {
            return Fail("a control does not answer WM_GETTEXT");
        }
        const RECT rect = RectInParent(child);
        PrintLine({Number(GetDlgCtrlID(child)), ClassName(child), Number(rect.left), Number(rect.top),
                   Number(rect.right - rect.left), Number(rect.bottom - rect.top), Printable(text)});
    }
    return 0;
}

int PrintText(HWND control) {
    std::wstring text;
    if (!ReadText(control, text)) {
        return Fail("the control does not answer WM_GETTEXT");
    }
    PrintLine({Printable(text)});
    return 0;
}

// GetScrollInfo on a control of another process sends it a message with no timeout; ask
// first whether the control answers at all.
int PrintScroll(HWND control) {
    if (!Answers(control)) {
        return Fail("the scroll bar does not answer");
    }
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(control, SB_CTL, &info)) {
        return Fail("GetScrollInfo failed");
    }
    PrintLine({Number(info.nPos), Number(info.nMin), Number(info.nMax)});
    return 0;
}

// Where Wine 8 draws the thumb of a scroll bar control: arrows and a thumb of SM_CXVSCROLL
// pixels when no page is set, the thumb placed in proportion to the position. GetScrollBarInfo
// cannot tell from outside, as Wine does not carry SBM_GETSCROLLBARINFO across processes.
RECT WineThumb(HWND control, const SCROLLINFO& info, bool vertical) {
    constexpr int kMinimumThumb = 8;
    RECT bar{};
    GetClientRect(control, &bar);
    const int length = vertical ? bar.bottom : bar.right;
    const int arrow = GetSystemMetrics(SM_CXVSCROLL);
    const int track = length - 2 * arrow;
    int thumb = arrow;
    if (info.nPage > 0) {
        thumb = MulDiv(track, static_cast<int>(info.nPage), info.nMax - info.nMin + 1);
        if (thumb < kMinimumThumb) {
            thumb = kMinimumThumb;
        }
    }
    const int last = info.nMax - (info.nPage > 0 ? static_cast<int>(info.nPage) - 1 : 0);
    int start = arrow;
    if (last > info.nMin) {
        start += MulDiv(track - thumb, info.nPos - info.nMin, last - info.nMin);
    }
    return vertical ? RECT{0, start, bar.right, start + thumb} : RECT{start, 0, start + thumb, bar.bottom};
}

// The thumb of a scroll bar control as x, y, width, height in the form's client area.
int PrintThumb(HWND control) {
    if (!Answers(control)) {
        return Fail("the scroll bar does not answer");
    }
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(control, SB_CTL, &info)) {
        return Fail("GetScrollInfo failed");
    }
    const bool vertical = (GetWindowLongW(control, GWL_STYLE) & SBS_VERT) != 0;
    RECT thumb = WineThumb(control, info, vertical);
    MapWindowPoints(control, GetParent(control), reinterpret_cast<POINT*>(&thumb), 2);
    PrintLine({Number(thumb.left), Number(thumb.top), Number(thumb.right - thumb.left),
               Number(thumb.bottom - thumb.top)});
    return 0;
}

// GetGUIThreadInfo reads the focus of another thread from the window manager, without a message.
int PrintFocusId(HWND form) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info)) {
        return Fail("GetGUIThreadInfo failed");
    }
    PrintLine({Number(info.hwndFocus == nullptr ? 0 : GetDlgCtrlID(info.hwndFocus))});
    return 0;
}

int PrintClipboard() {
    const ClipboardGuard clipboard;
    if (!clipboard.IsOpen()) {
        return Fail("the clipboard is busy");
    }
    std::wstring text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    PrintLine({Printable(text)});
    return 0;
}

// Tells the holding probe when to let go, so that a slow machine cannot end the hold early.
constexpr wchar_t kReleaseClipboardEvent[] = L"TintavoProbeReleaseClipboard";

int HoldClipboard(DWORD seconds) {
    const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, kReleaseClipboardEvent);
    if (release == nullptr) {
        return Fail("CreateEvent failed");
    }
    int status = 0;
    {
        const ClipboardGuard clipboard;
        if (clipboard.IsOpen()) {
            PrintLine({L"held"});
            WaitForSingleObject(release, seconds * 1000);
        } else {
            status = Fail("the clipboard is busy");
        }
    }
    CloseHandle(release);
    return status;
}

int ReleaseClipboard() {
    const HANDLE release = OpenEventW(EVENT_MODIFY_STATE, FALSE, kReleaseClipboardEvent);
    if (release == nullptr) {
        return Fail("no probe holds the clipboard");
    }
    SetEvent(release);
    CloseHandle(release);
    return 0;
}

int PrintPixel(int x, int y) {
    const ScreenDc screen;
    const COLORREF colour = GetPixel(screen.Get(), x, y);
    if (colour == CLR_INVALID) {
        return Fail("GetPixel failed");
    }
    PrintLine({ColourCode(colour)});
    return 0;
}

struct WindowCount {
    DWORD processId = 0;
    int visible = 0;
};

BOOL CALLBACK CountVisibleWindow(HWND window, LPARAM param) {
    auto* count = reinterpret_cast<WindowCount*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == count->processId && IsWindowVisible(window)) {
        ++count->visible;
    }
    return TRUE;
}

int PrintWindowsOfProcess(DWORD processId) {
    WindowCount count{processId, 0};
    EnumWindows(CountVisibleWindow, reinterpret_cast<LPARAM>(&count));
    PrintLine({Number(count.visible)});
    return 0;
}

int PrintMagnifier() {
    const HWND magnifier = FindWindowW(L"TintavoMagnifier", nullptr);
    if (magnifier == nullptr) {
        return Fail("no magnifier window", kExitNotFound);
    }
    wchar_t title[64] = {};
    GetWindowTextW(magnifier, title, 64);
    const LONG_PTR exStyle = GetWindowLongPtrW(magnifier, GWL_EXSTYLE);
    RECT client{};
    GetClientRect(magnifier, &client);
    MapWindowPoints(magnifier, nullptr, reinterpret_cast<POINT*>(&client), 2);
    PrintLine({Printable(title), Flag(IsWindowVisible(magnifier) != FALSE), Flag((exStyle & WS_EX_TOPMOST) != 0),
               Flag((exStyle & WS_EX_NOACTIVATE) != 0), Flag((exStyle & WS_EX_TOOLWINDOW) != 0), Number(client.left),
               Number(client.top), Number(client.right - client.left), Number(client.bottom - client.top)});
    return 0;
}

int PrintMagnifierCloseBox() {
    const HWND magnifier = FindWindowW(L"TintavoMagnifier", nullptr);
    if (magnifier == nullptr) {
        return Fail("no magnifier window", kExitNotFound);
    }
    RECT frame{};
    GetWindowRect(magnifier, &frame);
    POINT client{0, 0};
    ClientToScreen(magnifier, &client);
    for (int y = frame.top; y < client.y; ++y) {
        for (int x = frame.right - 1; x >= frame.left; --x) {
            DWORD_PTR hit = 0;
            if (!SendMessageTimeoutW(magnifier, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                     kMessageTimeoutMilliseconds, &hit)) {
                return Fail("the magnifier does not answer");
            }
            if (hit == HTCLOSE) {
                // The middle of the box's row, a few pixels in.
                PrintLine({Number(x - 3), Number(y + (client.y - frame.top) / 3)});
                return 0;
            }
        }
    }
    return Fail("no close box on the magnifier");
}

int PrintMenuPopup() {
    HWND popup = nullptr;
    while ((popup = FindWindowExW(nullptr, popup, L"#32768", nullptr)) != nullptr) {
        if (IsWindowVisible(popup)) {
            RECT rect{};
            GetWindowRect(popup, &rect);
            PrintLine({Number(rect.left), Number(rect.top), Number(rect.right - rect.left),
                       Number(rect.bottom - rect.top)});
            return 0;
        }
    }
    return Fail("no popup menu open", kExitNotFound);
}

int HoldHotkey(DWORD seconds) {
    if (!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_RETURN)) {
        return Fail("Ctrl+Alt+Enter is taken");
    }
    PrintLine({L"held"});
    Sleep(seconds * 1000);
    UnregisterHotKey(nullptr, 1);
    return 0;
}

int PrintForeground() {
    wchar_t title[128] = {};
    if (const HWND foreground = GetForegroundWindow()) {
        GetWindowTextW(foreground, title, 128);
    }
    PrintLine({Printable(title)});
    return 0;
}

int ShowFocusWindow(DWORD seconds) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ProbeFocus";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, L"ProbeFocus", L"probe focus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                        240, 120, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr) {
        return Fail("CreateWindowExW failed");
    }
    PrintLine({Number(reinterpret_cast<LONG_PTR>(window))});
    const ULONGLONG end = GetTickCount64() + seconds * 1000ULL;
    while (GetTickCount64() < end) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    DestroyWindow(window);
    return 0;
}

// COM for the probe's calls to the picker's accessible objects.
class ComApartment {
public:
    ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialized_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized_;
};

class Accessible {
public:
    explicit Accessible(HWND window) {
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                   reinterpret_cast<void**>(&object_));
    }
    ~Accessible() {
        if (object_ != nullptr) {
            object_->Release();
        }
    }
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;

    IAccessible* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    IAccessible* object_ = nullptr;
};

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// A text property: "-" when the object gives none.
std::wstring TextOf(HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, BSTR*), const Accessible& object,
                    HRESULT* status = nullptr) {
    BSTR text = nullptr;
    const HRESULT result = (object.operator->()->*read)(Self(), &text);
    if (status != nullptr) {
        *status = result;
    }
    std::wstring answer = result == S_OK && text != nullptr ? std::wstring(text, SysStringLen(text)) : L"-";
    SysFreeString(text);
    return Printable(answer);
}

std::wstring Hex(unsigned long value) {
    wchar_t text[16] = {};
    std::swprintf(text, 16, L"%lX", value);
    return text;
}

bool PrintAccessible(HWND window, long id) {
    const Accessible object(window);
    if (!object) {
        return false;
    }
    VARIANT role{};
    VARIANT state{};
    object->get_accRole(Self(), &role);
    object->get_accState(Self(), &state);
    PrintLine({Number(id), Number(role.vt == VT_I4 ? role.lVal : -1), Hex(state.vt == VT_I4 ? state.lVal : 0),
               TextOf(&IAccessible::get_accName, object), TextOf(&IAccessible::get_accValue, object),
               TextOf(&IAccessible::get_accDefaultAction, object), TextOf(&IAccessible::get_accDescription, object)});
    return true;
}

int PrintAccessibility(HWND form) {
    const ComApartment com;
    if (!PrintAccessible(form, 0)) {
        return Fail("the window gives no accessible object");
    }
    for (HWND child = GetWindow(form, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!PrintAccessible(child, GetDlgCtrlID(child))) {
            return Fail("a control gives no accessible object");
        }
    }
    return 0;
}

int DoDefaultAction(HWND control) {
    const ComApartment com;
    const Accessible object(control);
    if (!object) {
        return Fail("the control gives no accessible object");
    }
    return SUCCEEDED(object->accDoDefaultAction(Self())) ? 0 : Fail("the default action failed");
}

// One request after the other to each control in turn, each reading the name and the value.
int ReadAccessibleRepeatedly(HWND form, long count) {
    const ComApartment com;
    std::vector<HWND> controls;
    for (HWND child = GetWindow(form, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back(child);
    }
    if (controls.empty()) {
        return Fail("the window has no controls");
    }
    // One object of each control is held throughout, as a screen reader holds the objects it
    // reads: a request then finds its object's connection open, as it does for a screen reader,
    // instead of building it anew, which takes about 40 ms under Wine.
    std::vector<std::unique_ptr<Accessible>> held;
    for (HWND control : controls) {
        held.push_back(std::make_unique<Accessible>(control));
    }
    const ULONGLONG start = GetTickCount64();
    long made = 0;
    for (; made < count; ++made) {
        const Accessible object(controls[static_cast<std::size_t>(made) % controls.size()]);
        HRESULT status = E_FAIL;
        if (object) {
            TextOf(&IAccessible::get_accName, object, &status);
            TextOf(&IAccessible::get_accValue, object);
        }
        if (FAILED(status)) {
            break;
        }
    }
    PrintLine({Number(made), Number(static_cast<long long>(GetTickCount64() - start))});
    return made == count ? 0 : Fail("a request failed");
}

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (window != nullptr && object == OBJID_CLIENT && child == CHILDID_SELF) {
        PrintLine({Hex(event), Number(GetDlgCtrlID(window))});
    }
}

// Out-of-context events arrive through this thread's message queue.
int WatchEvents(HWND form, long seconds) {
    DWORD processId = 0;
    GetWindowThreadProcessId(form, &processId);
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, OnWinEvent, processId, 0, WINEVENT_OUTOFCONTEXT);
    if (hook == nullptr) {
        return Fail("SetWinEventHook failed");
    }
    PrintLine({L"watching"});
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    UnhookWinEvent(hook);
    return 0;
}

int Usage() {
    std::fputs("usage: probe window | controls | text ID | scroll ID | thumb ID | focus-id | pid | clipboard\n"
               "       | hold-clipboard SECONDS | release-clipboard | close | responsive | pixel X Y | windows-of-pid PID\n"
               "       | magnifier | magnifier-close-box | menu-popup | foreground | focus-window SECONDS\n"
               "       | hold-hotkey SECONDS\n"
               "       | accessibility | do-default ID | read-accessible COUNT | watch-events SECONDS\n",
               stderr);
    return kExitUsage;
}

int Run(int argc, wchar_t** argv) {
    if (argc >= 3 && std::wstring(argv[1]) == L"--window") {
        gWindowClass = argv[2];
        argc -= 2;
        argv += 2;
    }
    if (argc < 2) {
        return Usage();
    }
    const std::wstring command = argv[1];
    long first = 0;
    long second = 0;

    if (command == L"clipboard" && argc == 2) {
        return PrintClipboard();
    }
    if (command == L"hold-clipboard" && argc == 3 && ParseNumber(argv[2], first) && first >= 0) {
        return HoldClipboard(static_cast<DWORD>(first));
    }
    if (command == L"release-clipboard" && argc == 2) {
        return ReleaseClipboard();
    }
    if (command == L"pixel" && argc == 4 && ParseNumber(argv[2], first) && ParseNumber(argv[3], second)) {
        return PrintPixel(static_cast<int>(first), static_cast<int>(second));
    }
    if (command == L"windows-of-pid" && argc == 3 && ParseNumber(argv[2], first)) {
        return PrintWindowsOfProcess(static_cast<DWORD>(first));
    }
    if (command == L"magnifier" && argc == 2) {
        return PrintMagnifier();
    }
    if (command == L"magnifier-close-box" && argc == 2) {
        return PrintMagnifierCloseBox();
    }
    if (command == L"menu-popup" && argc == 2) {
        return PrintMenuPopup();
    }
    if (command == L"hold-hotkey" && argc == 3 && ParseNumber(argv[2], first) && first >= 0) {
        return HoldHotkey(static_cast<DWORD>(first));
    }
    if (command == L"foreground" && argc == 2) {
        return PrintForeground();
    }
    if (command == L"focus-window" && argc == 3 && ParseNumber(argv[2], first) && first >= 0) {
        return ShowFocusWindow(static_cast<DWORD>(first));
    }

    const HWND form = FindForm();
    if (form == nullptr) {
        return Fail("no TintavoForm1 window", kExitNotFound);
    }
    if (argc == 2) {
        if (command == L"window") {
            return PrintWindow(form);
        }
        if (command == L"controls") {
            return PrintControls(form);
        }
        if (command == L"accessibility") {
            return PrintAccessibility(form);
        }
        if (command == L"focus-id") {
            return PrintFocusId(form);
        }
        if (command == L"pid") {
            DWORD processId = 0;
            GetWindowThreadProcessId(form, &processId);
            PrintLine({Number(processId)});
            return 0;
        }
        if (command == L"close") {
            return PostMessageW(form, WM_CLOSE, 0, 0) ? 0 : Fail("PostMessageW failed");
        }
        if (command == L"responsive") {
            return Answers(form) ? 0 : Fail("the window does not answer", kExitNotFound);
        }
    }
    if (command == L"watch-events" && argc == 3 && ParseNumber(argv[2], first)) {
        return WatchEvents(form, first);
    }
    if (command == L"read-accessible" && argc == 3 && ParseNumber(argv[2], first) && first >= 0) {
        return ReadAccessibleRepeatedly(form, first);
    }
    if (command == L"do-default" && argc == 3) {
        const HWND control = FindControl(form, argv[2]);
        return control == nullptr ? Fail("no control with that id", kExitNotFound) : DoDefaultAction(control);
    }
    if (argc == 3 && (command == L"text" || command == L"scroll" || command == L"thumb")) {
        const HWND control = FindControl(form, argv[2]);
        if (control == nullptr) {
            return Fail("no control with that id", kExitNotFound);
        }
        if (command == L"text") {
            return PrintText(control);
        }
        return command == L"scroll" ? PrintScroll(control) : PrintThumb(control);
    }
    return Usage();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    // Coordinates in physical pixels whatever DPI the prefix reports, as the picker sees them.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);

    // The commands that take their time are given it on top of the watchdog's usual limit.
    long holdSeconds = 0;
    const std::wstring command = argc >= 2 ? argv[1] : L"";
    if (argc == 3 && (command == L"hold-clipboard" || command == L"focus-window" || command == L"hold-hotkey" ||
                      command == L"watch-events") &&
        ParseNumber(argv[2], holdSeconds) && holdSeconds >= 0) {
        gWatchdogMilliseconds += static_cast<DWORD>(holdSeconds) * 1000;
    }
    // About 13 ms a request under Wine; several times that for a loaded machine.
    if (argc == 3 && command == L"read-accessible" && ParseNumber(argv[2], holdSeconds) && holdSeconds >= 0) {
        gWatchdogMilliseconds += static_cast<DWORD>(holdSeconds) * 50;
    }
    if (HANDLE watchdog = CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr)) {
        CloseHandle(watchdog);
    }
    return Run(argc, argv);
}
