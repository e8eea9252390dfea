#include "window/win32/form_window.h"

#include <windowsx.h>

#include <algorithm>
#include <array>

#include "platform/forms/view_batch.h"
#include "platform/win32/edit_control.h"
#include "platform/win32/fatal_error.h"
#include "platform/win32/label_control.h"
#include "platform/win32/picture_control.h"
#include "platform/win32/scroll_bar_control.h"
#include "resource_ids.h"
#include "window/layout.h"
#include "window/pointer_step.h"
#include "window/win32/window_rects.h"

namespace tintavo::win32 {
namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;
constexpr UINT_PTR kTimerId = 1;
constexpr int kShiftPointerStep = 10;
constexpr int kBannerWidth = 200;
constexpr int kBannerHeight = 32;
constexpr ColourValue kWhite = 0xFFFFFF;

constexpr ColourValue kSystemButtonFace = SystemColour(SystemColourIndex::kButtonFace);
constexpr ColourValue kSystemButtonText = SystemColour(SystemColourIndex::kButtonText);
constexpr ColourValue kSystemWindowText = SystemColour(SystemColourIndex::kWindowText);

int Id(ControlId id) { return static_cast<int>(id); }

SIZE WindowSizeFor(int dpi) {
    const PixelBox client = ClientAreaAt(dpi);
    RECT frame{0, 0, client.width, client.height};
    ::AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, kWindowExStyle, static_cast<UINT>(dpi));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

HICON LoadAppIcon(HINSTANCE instance, int metric, int dpi) {
    const int size = ::GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi));
    return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_TINTAVO), IMAGE_ICON, size, size, 0));
}

}  // namespace

// The fifteen controls, created in tab order.
struct FormWindow::Children {
    Children(HWND parent, Form1& form)
        : picture2(parent, Id(ControlId::kPicture2), form.Picture2, WS_BORDER | WS_TABSTOP),
          picture1(parent, Id(ControlId::kPicture1), form.Picture1, 0),
          label1(parent, Id(ControlId::kLabel1), form.Label1, LabelControl::Kind::kCaption),
          label2(parent, Id(ControlId::kLabel2), form.Label2, LabelControl::Kind::kCaption),
          label3(parent, Id(ControlId::kLabel3), form.Label3, LabelControl::Kind::kCaption),
          text1{{EditControl(parent, Id(ControlId::kText1Red), form.Text1[0], WS_EX_CLIENTEDGE),
                 EditControl(parent, Id(ControlId::kText1Green), form.Text1[1], WS_EX_CLIENTEDGE),
                 EditControl(parent, Id(ControlId::kText1Blue), form.Text1[2], WS_EX_CLIENTEDGE)}},
          hscroll1{{ScrollBarControl(parent, Id(ControlId::kHScroll1Red), form.HScroll1[0]),
                    ScrollBarControl(parent, Id(ControlId::kHScroll1Green), form.HScroll1[1]),
                    ScrollBarControl(parent, Id(ControlId::kHScroll1Blue), form.HScroll1[2])}},
          label4(parent, Id(ControlId::kLabel4), form.Label4, LabelControl::Kind::kCaption),
          text2(parent, Id(ControlId::kText2), form.Text2, 0),
          label5(parent, Id(ControlId::kLabel5), form.Label5, LabelControl::Kind::kLink) {
        label1.SetColours(0x0000FF, kWhite);
        label2.SetColours(0x00FF00, kWhite);
        label3.SetColours(0xFF0000, kWhite);
        text1[0].SetColours(0x8080FF, kSystemWindowText);
        text1[1].SetColours(0x80FF80, kSystemWindowText);
        text1[2].SetColours(0xFF8080, kSystemWindowText);
        label4.SetColours(kSystemButtonFace, kSystemButtonText);
        text2.SetColours(0x000000, kWhite);
        label5.SetColours(0x00FFFF, kSystemButtonText);
    }

    std::array<ChildControl*, 14> All() {
        return {&picture2,    &picture1,    &label1,      &label2, &label3, &text1[0], &text1[1],
                &text1[2],    &hscroll1[0], &hscroll1[1], &hscroll1[2], &label4, &text2, &label5};
    }

    ChildControl* Find(HWND window) {
        for (ChildControl* control : All()) {
            if (control->hwnd() == window) return control;
        }
        return nullptr;
    }

    void SetFonts(const FontSet& fonts) {
        for (LabelControl* caption : {&label1, &label2, &label3, &label4}) caption->SetFonts(fonts.caption.get(), nullptr);
        for (EditControl& box : text1) box.SetFont(fonts.userInterface.get());
        text2.SetFont(fonts.caption.get());
        label5.SetFonts(fonts.copyLabel.get(), fonts.copyLabelUnderlined.get());
    }

    PictureControl picture2;
    PictureControl picture1;
    LabelControl label1;
    LabelControl label2;
    LabelControl label3;
    std::array<EditControl, 3> text1;
    std::array<ScrollBarControl, 3> hscroll1;
    LabelControl label4;
    EditControl text2;
    LabelControl label5;
};

// Brackets the handling of a message that may change the controls: their windows are written
// once, as the handlers leave them, and then a screen reader hears of a new swatch colour. The
// open colour information shows the colour the handlers left.
struct FormWindow::ChangeScope {
    explicit ChangeScope(FormWindow& window) noexcept : owner(window), swatch(*window.accessibility_) {}
    ~ChangeScope() {
        if (owner.colourInfoWindow_) owner.colourInfoWindow_->AfterChange();
    }
    ChangeScope(const ChangeScope&) = delete;
    ChangeScope& operator=(const ChangeScope&) = delete;

    FormWindow& owner;
    FormAccessibility::SwatchChange swatch;
    ViewBatch writes;
};

FormWindow::FormWindow(Win32Platform& platform) : platform_(platform), sampling_(platform) {}

FormWindow::~FormWindow() = default;

void FormWindow::Create(HINSTANCE instance) {
    instance_ = instance;
    PictureControl::RegisterClass(instance);
    MagnifierWindow::RegisterClass(instance);
    ColourInfoWindow::RegisterClass(instance);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &FormWindow::WindowProc;
    windowClass.hInstance = instance;
    // No class icons: the window's own, loaded once for its DPI, are set before it is shown.
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);

    banner_.reset(static_cast<HBITMAP>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDB_BANNER), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));

    const SIZE initial = WindowSizeFor(USER_DEFAULT_SCREEN_DPI);
    ::CreateWindowExW(kWindowExStyle, kClassName, L"Tintavo!", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, initial.cx,
                      initial.cy, nullptr, nullptr, instance, this);

    // No DPI message comes at creation: the window is laid out for the DPI of the monitor
    // it opened on.
    dpi_ = static_cast<int>(::GetDpiForWindow(hwnd_));
    const SIZE size = WindowSizeFor(dpi_);
    ::SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    form_ = std::make_unique<Form1>(sampling_, dpi_);
    // The timer runs from the window's creation: its first tick comes 100 ms from here, not
    // from the end of the set-up below. No message is taken from the queue before Create returns.
    ::SetTimer(hwnd_, kTimerId, static_cast<UINT>(form_->Timer1.Interval()), nullptr);
    form_->hWnd = reinterpret_cast<WindowHandle>(hwnd_);
    platform_.clipboard().SetOwner(hwnd_);
    children_ = std::make_unique<Children>(hwnd_, *form_);
    colourMenus_ = std::make_unique<ColourMenus>(*form_, platform_.clipboard());
    colourInfo_ = std::make_unique<ColourInfo>(*form_, *colourMenus_);
    accessibility_ =
        std::make_unique<FormAccessibility>(*form_, colourMenus_->Copied, children_->All(), children_->label5);
    ApplyDpi(dpi_);
    holdHotkey_ = std::make_unique<HoldHotkey>(platform_.Api(), *form_);
    windowMenu_ = std::make_unique<WindowMenu>(hwnd_, *colourMenus_, sampling_, !holdHotkey_->Registered());

    form_->Form_Load();
    // The swatch is first in the tab order, so the keyboard starts on the colour.
    lastFocus_ = children_->picture2.hwnd();
    ::SetFocus(lastFocus_);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->children_ || FatalErrorInProgress()) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&] { return self->Handle(message, wParam, lParam); });
}

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_SYSCOMMAND: return OnSystemCommand(wParam, lParam);
    case WM_HOTKEY: OnHotkey(wParam); return 0;
    case MagnifierWindow::kClosedMessage: OnMagnifierClosed(); return 0;
    case ColourInfoWindow::kClosedMessage: OnColourInfoClosed(); return 0;
    case WM_COMMAND: OnCommand(wParam, lParam); return 0;
    case WM_INITMENUPOPUP:
        windowMenu_->OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_MEASUREITEM:
        if (windowMenu_->OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), dpi_)) return TRUE;
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_DRAWITEM:
        if (windowMenu_->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_CONTEXTMENU:
        if (OnContextMenu(reinterpret_cast<HWND>(wParam), lParam)) return 0;
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_HSCROLL: OnHorizontalScroll(wParam, lParam); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return OnControlColour(message, wParam, lParam);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_MOUSEMOVE: form_->Form_MouseMove(); return 0;
    case WM_ACTIVATE: OnActivate(wParam); return 0;
    case WM_DISPLAYCHANGE: platform_.screen().Refresh(); return 0;
    case WM_SYSCOLORCHANGE: ::InvalidateRect(hwnd_, nullptr, TRUE); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    default: return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void FormWindow::ApplyDpi(int dpi) {
    dpi_ = dpi;
    FontSet fonts = CreateFontSet(dpi);
    children_->SetFonts(fonts);
    fonts_ = std::move(fonts);  // the old fonts go only once no control uses them
    for (ChildControl* control : children_->All()) {
        const PixelBox box = PlaceControl(DesignOf(static_cast<ControlId>(control->id())), dpi);
        control->Place({box.x, box.y, box.width, box.height});
    }

    bigIcon_.reset(LoadAppIcon(instance_, SM_CXICON, dpi));
    smallIcon_.reset(LoadAppIcon(instance_, SM_CXSMICON, dpi));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

void FormWindow::OnPaint() {
    PaintScope paint(hwnd_);
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    ::FillRect(paint.dc(), &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (!banner_) return;
    // The banner is drawn for 96 DPI and scaled with the rest of the window.
    unique_hdc bannerDc(::CreateCompatibleDC(paint.dc()));
    unique_select_object selected(bannerDc.get(), banner_.get());
    ::SetStretchBltMode(paint.dc(), HALFTONE);
    ::SetBrushOrgEx(paint.dc(), 0, 0, nullptr);
    ::StretchBlt(paint.dc(), 0, 0, ::MulDiv(kBannerWidth, dpi_, USER_DEFAULT_SCREEN_DPI),
                 ::MulDiv(kBannerHeight, dpi_, USER_DEFAULT_SCREEN_DPI), bannerDc.get(), 0, 0, kBannerWidth,
                 kBannerHeight, SRCCOPY);
}

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    // The suggested rectangle keeps the window under the pointer; its size is ours to fix.
    const SIZE size = WindowSizeFor(dpi);
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    form_->ChangeDpi(dpi);
    ApplyDpi(dpi);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT FormWindow::OnControlColour(UINT message, WPARAM wParam, LPARAM lParam) {
    const ChildControl* control = children_->Find(reinterpret_cast<HWND>(lParam));
    const HBRUSH brush = control ? control->Colour(reinterpret_cast<HDC>(wParam)) : nullptr;
    if (brush) return reinterpret_cast<LRESULT>(brush);
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

void FormWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Wine brings the items of the window menu's submenus as WM_COMMAND.
    if (lParam == 0 && HIWORD(wParam) == 0) {
        OnMenuCommand(LOWORD(wParam));
        return;
    }
    const HWND sender = reinterpret_cast<HWND>(lParam);
    EditControl* box = nullptr;
    for (EditControl& component : children_->text1) {
        if (component.hwnd() == sender) box = &component;
    }
    if (children_->text2.hwnd() == sender) box = &children_->text2;
    if (!box) return;
    switch (HIWORD(wParam)) {
    case EN_SETFOCUS: box->OnFocusChanged(true); break;
    case EN_KILLFOCUS: box->OnFocusChanged(false); break;
    case EN_CHANGE: {
        const ChangeScope scope(*this);
        box->OnChange();
        break;
    }
    default: break;
    }
}

void FormWindow::OnHorizontalScroll(WPARAM wParam, LPARAM lParam) {
    const ChangeScope scope(*this);
    for (ScrollBarControl& bar : children_->hscroll1) {
        if (bar.hwnd() == reinterpret_cast<HWND>(lParam)) bar.OnScroll(LOWORD(wParam));
    }
}

void FormWindow::OnActivate(WPARAM wParam) {
    // Like a dialog, the window gives the focus back to the control that had it.
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
    } else if (lastFocus_ && !::IsIconic(hwnd_)) {
        ::SetFocus(lastFocus_);
    }
}

void FormWindow::OnTimer(WPARAM id) {
    if (id != kTimerId) return;
    const ChangeScope scope(*this);
    form_->Timer1.Tick.Raise();
    if (magnifier_) magnifier_->AfterTick(form_->Capturing, sampling_.LastCursor());
}

LRESULT FormWindow::OnSystemCommand(WPARAM wParam, LPARAM lParam) {
    if (!OnMenuCommand(wParam)) return ::DefWindowProcW(hwnd_, WM_SYSCOMMAND, wParam, lParam);
    return 0;
}

bool FormWindow::OnMenuCommand(WPARAM command) {
    if (WindowMenu::IsMagnifierCommand(command)) {
        ToggleMagnifier();
        return true;
    }
    if (WindowMenu::IsColourInfoCommand(command)) {
        ToggleColourInfo();
        return true;
    }
    if (const int side = WindowMenu::SampleSideOf(command)) {
        sampling_.SetSampleSide(side);
        if (magnifier_) magnifier_->FrameSide(side);
        return true;
    }
    const ChangeScope scope(*this);
    return windowMenu_->RunColourCommand(command);
}

// The window menu's additions as a context menu, for the swatch, the letter labels, the status
// line and the window's own surface with its banner. The boxes and the scroll bars keep their
// own menus, and the copy label's right click is its click.
bool FormWindow::OnContextMenu(HWND target, LPARAM at) {
    const ChildControl* child = children_->Find(target);
    const std::array<const ChildControl*, 5> offering{&children_->picture2, &children_->label1, &children_->label2,
                                                      &children_->label3, &children_->label4};
    if (target != hwnd_ && std::find(offering.begin(), offering.end(), child) == offering.end()) return false;
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) {
        // From the keyboard (Shift+F10, the menu key): at the control, below its top-left corner.
        RECT frame{};
        ::GetWindowRect(target, &frame);
        point = {frame.left, frame.top + (frame.bottom - frame.top) / 2};
    }
    if (const UINT command = windowMenu_->TrackContextMenu(hwnd_, point)) OnMenuCommand(command);
    return true;
}

void FormWindow::OnHotkey(WPARAM id) {
    if (id != HoldHotkey::kId) return;
    const ColourMenus::SamplingSwitch held(*colourMenus_);
    holdHotkey_->Pressed();
}

void FormWindow::OnMagnifierClosed() {
    if (magnifier_) ToggleMagnifier();
}

void FormWindow::ToggleMagnifier() {
    if (magnifier_) {
        magnifier_.reset();
    } else {
        // It opens on the block around the pixel the last tick read, also while held.
        magnifier_ = std::make_unique<MagnifierWindow>(platform_, instance_, hwnd_, sampling_.LastCursor());
        magnifier_->FrameSide(sampling_.SampleSide());
    }
    windowMenu_->CheckMagnifier(magnifier_ != nullptr);
}

void FormWindow::OnColourInfoClosed() {
    if (colourInfoWindow_ && colourInfoWindow_->IsOpen()) ToggleColourInfo();
}

void FormWindow::ToggleColourInfo() {
    if (!colourInfoWindow_) colourInfoWindow_ = std::make_unique<ColourInfoWindow>(*colourInfo_, instance_, hwnd_);
    if (colourInfoWindow_->IsOpen()) {
        colourInfoWindow_->Close();
    } else {
        std::optional<PixelRect> magnifierFrame;
        if (magnifier_ && magnifier_->hwnd()) magnifierFrame = FrameOf(magnifier_->hwnd());
        colourInfoWindow_->Open(magnifierFrame);
    }
    windowMenu_->CheckColourInfo(colourInfoWindow_->IsOpen());
}

void FormWindow::OnDestroy() {
    ::KillTimer(hwnd_, kTimerId);
    magnifier_.reset();
    colourInfoWindow_.reset();
    holdHotkey_.reset();
    accessibility_.reset();
    children_.reset();
    ::PostQuitMessage(0);
}

bool FormWindow::PreviewMessage(MSG& message) {
    if (!children_ || FatalErrorInProgress()) return false;
    if (message.hwnd != hwnd_ && !::IsChild(hwnd_, message.hwnd)) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && ::GetKeyState(VK_CONTROL) >= 0 &&
        ::GetKeyState(VK_MENU) >= 0) {
        MoveFocus(::GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (message.message == WM_KEYDOWN && message.hwnd == children_->picture2.hwnd()) {
        return MovePointerByArrow(message.wParam);
    }
    if (message.message == WM_CHAR) {
        return Guarded([&] { return static_cast<LRESULT>(PreviewCharacter(message)); }) != 0;
    }
    return false;
}

// An arrow key on the swatch moves the pointer one physical pixel, ten with Shift, so that the
// next tick samples the pixel beside; each repeat of a held key moves it once more.
bool FormWindow::MovePointerByArrow(WPARAM key) {
    int dx = 0;
    int dy = 0;
    switch (key) {
    case VK_LEFT: dx = -1; break;
    case VK_RIGHT: dx = 1; break;
    case VK_UP: dy = -1; break;
    case VK_DOWN: dy = 1; break;
    default: return false;
    }
    const int step = ::GetKeyState(VK_SHIFT) < 0 ? kShiftPointerStep : 1;
    POINT at{};
    if (!::GetCursorPos(&at)) return true;
    const CursorPoint to = StepPointer({at.x, at.y}, dx * step, dy * step, platform_.screen().Monitors());
    ::SetCursorPos(to.x, to.y);
    return true;
}

bool FormWindow::PreviewCharacter(MSG& message) {
    auto keyAscii = static_cast<std::int16_t>(message.wParam);
    {
        const ColourMenus::SamplingSwitch held(*colourMenus_);
        form_->Form_KeyPress(keyAscii);
    }
    if (keyAscii == 0) return true;
    message.wParam = static_cast<WPARAM>(static_cast<std::uint16_t>(keyAscii));
    // A single-line edit control only beeps at Enter, and Enter has done its work here.
    wchar_t className[8]{};
    ::GetClassNameW(message.hwnd, className, 8);
    return keyAscii == VK_RETURN && ::lstrcmpiW(className, L"Edit") == 0;
}

void FormWindow::MoveFocus(bool backwards) {
    const HWND next = ::GetNextDlgTabItem(hwnd_, ::GetFocus(), backwards ? TRUE : FALSE);
    if (!next) return;
    ::SetFocus(next);
    // As in a dialog, arriving in a text box selects its text for overtyping.
    wchar_t className[8]{};
    ::GetClassNameW(next, className, 8);
    if (::lstrcmpiW(className, L"Edit") == 0) ::SendMessageW(next, EM_SETSEL, 0, -1);
}

}  // namespace tintavo::win32
