#include "window/win32/colour_info_window.h"

#include <oleacc.h>

#include <functional>
#include <utility>

#include "platform/win32/accessible_window.h"
#include "platform/win32/dib_surface.h"
#include "platform/win32/fatal_error.h"
#include "platform/win32/handles.h"
#include "platform/win32/text.h"
#include "window/colour_info_placement.h"
#include "window/win32/window_rects.h"

namespace tintavo::win32 {
namespace {

constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kWindowExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
// Left-aligned single lines whose tabs are expanded and whose ampersands are shown as they are.
constexpr DWORD kLineStyle = SS_LEFTNOWORDWRAP | SS_NOPREFIX;

// The layout in pixels at 96 DPI: a margin round the lines, the lines, and a gap before the
// formats. The reference line leaves room for the square of the reference colour.
constexpr int kMargin = 8;
constexpr int kLineHeight = 18;
constexpr int kClientWidth = 240;
constexpr int kFormatsGap = 6;
constexpr int kSquareSide = 14;
constexpr std::size_t kReferenceLine = 1;
constexpr std::size_t kMakeReferenceLine = 2;
constexpr std::size_t kRatioLine = 3;
constexpr std::size_t kFirstFormatLine = kRatioLine + 1 + ColourInfo::kVerdictLines;
constexpr std::size_t kLineCount = kFirstFormatLine + kColourFormatCount;

// White like the picker's own surface, with black text and links in a readable blue: the
// desktop's link colour is too pale to read under some schemes.
constexpr ColourValue kBackground = 0xFFFFFF;
constexpr ColourValue kText = 0x000000;
constexpr ColourValue kLinkText = 0xCC6600;
constexpr COLORREF kSquareFrame = RGB(64, 64, 64);

int Scaled(int pixels, int dpi) { return ::MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI); }

bool IsLink(std::size_t line) { return line == kMakeReferenceLine || line >= kFirstFormatLine; }

int LineTop(std::size_t line) {
    return kMargin + static_cast<int>(line) * kLineHeight + (line >= kFirstFormatLine ? kFormatsGap : 0);
}

SIZE WindowSizeFor(int dpi) {
    RECT frame{0, 0, Scaled(kClientWidth, dpi), Scaled(LineTop(kLineCount) + kMargin, dpi)};
    ::AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, kWindowExStyle, static_cast<UINT>(dpi));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

// What a screen reader learns of a line beyond its text: a link is a link whose default action
// clicks it; a line may be named otherwise than it shows.
class ColourInfoWindow::LineAccessibility final : public AccessibleOverrides {
public:
    LineAccessibility(LabelControl& line, bool link, std::function<std::u16string()> name)
        : line_(line), link_(link), name_(std::move(name)), window_(line.hwnd(), *this) {}

    std::optional<std::wstring> Name() const override {
        if (!name_) return std::nullopt;
        return ToWide(name_());
    }
    std::optional<long> Role() const override {
        if (!link_) return std::nullopt;
        return ROLE_SYSTEM_LINK;
    }
    std::optional<std::wstring> Value() const override { return std::nullopt; }
    std::optional<std::wstring> Description() const override { return std::nullopt; }
    long AddedStates() const override { return 0; }
    std::optional<std::wstring> DefaultAction() const override {
        if (!link_) return std::nullopt;
        return ToWide(std::u16string(kClickAction));
    }
    void DoDefaultAction() override { line_.PostClick(); }

private:
    LabelControl& line_;
    bool link_;
    std::function<std::u16string()> name_;
    AccessibleWindow window_;
};

void ColourInfoWindow::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &ColourInfoWindow::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);
}

ColourInfoWindow::ColourInfoWindow(ColourInfo& info, HINSTANCE instance, HWND owner) : info_(info), owner_(owner) {
    const SIZE size = WindowSizeFor(static_cast<int>(::GetDpiForWindow(owner)));
    ::CreateWindowExW(kWindowExStyle, kClassName, L"色の情報", kWindowStyle, 0, 0, size.cx, size.cy, owner, nullptr,
                      instance, this);
    if (!hwnd_) return;
    CreateLines();
    ApplyDpi(static_cast<int>(::GetDpiForWindow(hwnd_)));
    info_.ReferenceChanged.Handle([this] { ::InvalidateRect(hwnd_, nullptr, FALSE); });
}

void ColourInfoWindow::Open(std::optional<PixelRect> magnifier) {
    if (!hwnd_ || IsOpen()) return;
    info_.ShowAll();
    const auto placeAt = [this, &magnifier](int atDpi) {
        const SIZE size = WindowSizeFor(atDpi);
        return PlaceColourInfo(FrameOf(owner_), magnifier, size.cx, size.cy, WorkAreaOf(owner_));
    };
    // Placed first at the picker's DPI; landed on a monitor of another DPI, it takes that
    // monitor's size, placed again.
    const int ownerDpi = static_cast<int>(::GetDpiForWindow(owner_));
    PixelRect place = placeAt(ownerDpi);
    ::SetWindowPos(hwnd_, nullptr, place.x, place.y, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
    const int dpi = static_cast<int>(::GetDpiForWindow(hwnd_));
    if (dpi != ownerDpi) place = placeAt(dpi);
    if (dpi != dpi_) ApplyDpi(dpi);
    ::SetWindowPos(hwnd_, HWND_TOPMOST, place.x, place.y, place.width, place.height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void ColourInfoWindow::Close() {
    if (IsOpen()) ::ShowWindow(hwnd_, SW_HIDE);
}

ColourInfoWindow::~ColourInfoWindow() {
    info_.ReferenceChanged.Handle(nullptr);
    accessibility_.clear();
    lines_.clear();
    // The owner's end destroys an owned window first; then nothing is left to do here.
    if (hwnd_) ::DestroyWindow(hwnd_);
}

void ColourInfoWindow::CreateLines() {
    std::vector<Label*> models{&info_.Name, &info_.ReferenceLine, &info_.MakeReference, &info_.Ratio};
    for (Label& verdict : info_.Verdicts) models.push_back(&verdict);
    for (Label& format : info_.Formats) models.push_back(&format);
    for (std::size_t i = 0; i < models.size(); ++i) {
        const bool link = IsLink(i);
        auto line = std::make_unique<LabelControl>(hwnd_, static_cast<int>(i) + 1, *models[i],
                                                   link ? LabelControl::Kind::kLink : LabelControl::Kind::kCaption,
                                                   kLineStyle);
        line->SetColours(kBackground, link ? kLinkText : kText);
        if (link) accessibility_.push_back(std::make_unique<LineAccessibility>(*line, true, nullptr));
        if (i == kRatioLine) {
            accessibility_.push_back(
                std::make_unique<LineAccessibility>(*line, false, [this] { return info_.SpokenContrast(); }));
        }
        lines_.push_back(std::move(line));
    }
}

void ColourInfoWindow::ApplyDpi(int dpi) {
    dpi_ = dpi;
    FontSet fonts = CreateFontSet(dpi);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i]->SetFonts(IsLink(i) ? fonts.copyLabelUnderlined.get() : fonts.copyLabel.get(), nullptr);
        const int indent = i == kReferenceLine ? kSquareSide + kMargin : 0;
        lines_[i]->Place({Scaled(kMargin + indent, dpi), Scaled(LineTop(i), dpi),
                          Scaled(kClientWidth - 2 * kMargin - indent, dpi), Scaled(kLineHeight, dpi)});
    }
    fonts_ = std::move(fonts);  // the old fonts go only once no line uses them
}

LRESULT CALLBACK ColourInfoWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ColourInfoWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ColourInfoWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || FatalErrorInProgress()) return ::DefWindowProcW(window, message, wParam, lParam);
    return Guarded([&] { return self->Handle(message, wParam, lParam); });
}

LRESULT ColourInfoWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_CTLCOLORSTATIC: return OnControlColour(wParam, lParam);
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE: ::PostMessageW(owner_, kClosedMessage, 0, 0); return 0;
    case WM_NCDESTROY: return OnNcDestroy(wParam, lParam);
    default: return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void ColourInfoWindow::OnPaint() {
    PaintScope paint(hwnd_);
    const int left = Scaled(kMargin, dpi_);
    const int top = Scaled(LineTop(kReferenceLine) + (kLineHeight - kSquareSide) / 2, dpi_);
    const int side = Scaled(kSquareSide, dpi_);
    const RECT square{left, top, left + side, top + side};
    const unique_hbrush fill(::CreateSolidBrush(ResolveColour(info_.Reference())));
    const unique_hbrush frame(::CreateSolidBrush(kSquareFrame));
    ::FillRect(paint.dc(), &square, fill.get());
    // A dark frame, so that a white reference shows its edge.
    ::FrameRect(paint.dc(), &square, frame.get());
}

LRESULT ColourInfoWindow::OnControlColour(WPARAM wParam, LPARAM lParam) {
    for (const auto& line : lines_) {
        if (line->hwnd() == reinterpret_cast<HWND>(lParam)) {
            return reinterpret_cast<LRESULT>(line->Colour(reinterpret_cast<HDC>(wParam)));
        }
    }
    return ::DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, wParam, lParam);
}

void ColourInfoWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    const SIZE size = WindowSizeFor(dpi);
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyDpi(dpi);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT ColourInfoWindow::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    // Destroyed with its owner, or by the destructor: either way nothing is left to destroy.
    const HWND window = std::exchange(hwnd_, nullptr);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return ::DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

}  // namespace tintavo::win32
