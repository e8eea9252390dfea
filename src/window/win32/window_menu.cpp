#include "window/win32/window_menu.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/win32/dib_surface.h"
#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace tintavo::win32 {
namespace {

constexpr COLORREF kSquareFrame = RGB(64, 64, 64);

void RemoveAllItems(HMENU menu) {
    while (::GetMenuItemCount(menu) > 0) ::DeleteMenu(menu, 0, MF_BYPOSITION);
}

// The access keys of a submenu's items, in order: the digits from 1, then 0, then letters.
constexpr std::wstring_view kAccessKeys = L"1234567890ABCD";
static_assert(kAccessKeys.size() >= kColourFormatCount && kAccessKeys.size() >= RecentColours::kLimit);

// The sides of the sample area, the pixel under the pointer first, with their items.
constexpr int kSampleSides[] = {1, 3, 5, 7};
constexpr const wchar_t* kSampleAreaItems[] = {L"&1  1 × 1", L"&3  3 × 3 の平均", L"&5  5 × 5 の平均",
                                               L"&7  7 × 7 の平均"};

constexpr const wchar_t* kPaletteItems[kPaletteLayoutCount] = {
    L"&1  1 行に 1 色", L"&2  CSS 変数", L"&3  JSON", L"&4  GIMP パレット"};

// "&1  text", "&2  text" and so on. An ampersand of the text is doubled, so that a menu shows it
// instead of taking the next letter for an access key.
std::wstring NumberedItem(std::size_t index, const std::u16string& text) {
    std::wstring item{L'&', kAccessKeys[index], L' ', L' '};
    for (wchar_t c : ToWide(text)) {
        if (c == L'&') item += L'&';
        item += c;
    }
    return item;
}

bool InRange(WPARAM command, UINT first, std::size_t count, std::size_t& index) {
    const WPARAM id = command & 0xFFF0;
    if (id < first || id >= first + count * WindowMenu::kCommandStep) return false;
    index = (id - first) / WindowMenu::kCommandStep;
    return true;
}

bool IsColourSquare(UINT type, UINT id) {
    std::size_t index = 0;
    return type == ODT_MENU && InRange(id, WindowMenu::kFirstRecentCommand, RecentColours::kLimit, index);
}

}  // namespace

WindowMenu::WindowMenu(HWND window, ColourMenus& colours, const SamplingPlatform& sampling, bool hotkeyTaken)
    : menu_(::GetSystemMenu(window, FALSE)), colours_(colours), sampling_(sampling), hotkeyTaken_(hotkeyTaken) {
    ::AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
    AppendAdditions(menu_);
}

void WindowMenu::AppendAdditions(HMENU menu) const {
    // Checked as the window menu's own item is; unchecked while the window menu is being made.
    const auto checked = [this](UINT command) -> UINT {
        const UINT state = ::GetMenuState(menu_, command, MF_BYCOMMAND);
        return MF_STRING | (state != static_cast<UINT>(-1) && (state & MF_CHECKED) ? MF_CHECKED : MF_UNCHECKED);
    };
    // A menu owns its submenus from here on and destroys them with itself.
    const auto submenu = [](Submenu kind) {
        const HMENU popup = ::CreatePopupMenu();
        MENUINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = MIM_MENUDATA;
        info.dwMenuData = static_cast<ULONG_PTR>(kind);
        ::SetMenuInfo(popup, &info);
        return reinterpret_cast<UINT_PTR>(popup);
    };
    ::AppendMenuW(menu, checked(kMagnifierCommand), kMagnifierCommand, L"拡大鏡(&Z)");
    ::AppendMenuW(menu, checked(kColourInfoCommand), kColourInfoCommand, L"色の情報(&I)");
    ::AppendMenuW(menu, MF_POPUP, submenu(Submenu::kSampleArea), L"サンプル範囲(&P)");
    ::AppendMenuW(menu, MF_POPUP, submenu(Submenu::kFormats), L"形式を選んでコピー(&F)");
    ::AppendMenuW(menu, MF_POPUP, submenu(Submenu::kRecent), L"最近の色(&H)");
    if (hotkeyTaken_) {
        ::AppendMenuW(menu, MF_STRING | MF_GRAYED, kHotkeyTakenLine, L"Ctrl+Alt+Enter は他のプログラムが使用中");
    }
}

void WindowMenu::CheckMagnifier(bool open) {
    ::CheckMenuItem(menu_, kMagnifierCommand, MF_BYCOMMAND | (open ? MF_CHECKED : MF_UNCHECKED));
}

void WindowMenu::CheckColourInfo(bool open) {
    ::CheckMenuItem(menu_, kColourInfoCommand, MF_BYCOMMAND | (open ? MF_CHECKED : MF_UNCHECKED));
}

UINT WindowMenu::TrackContextMenu(HWND owner, POINT at) const {
    const unique_hmenu menu(::CreatePopupMenu());
    AppendAdditions(menu.get());
    const BOOL chosen = ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    return static_cast<UINT>(chosen);
}

void WindowMenu::OnInitMenuPopup(HMENU popup) {
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    if (!::GetMenuInfo(popup, &info)) return;
    switch (static_cast<Submenu>(info.dwMenuData)) {
    case Submenu::kFormats: FillFormats(popup); break;
    case Submenu::kRecent: FillRecent(popup); break;
    case Submenu::kSampleArea: FillSampleArea(popup); break;
    case Submenu::kNone: break;
    }
}

void WindowMenu::FillFormats(HMENU menu) {
    RemoveAllItems(menu);
    const auto& texts = colours_.OfferFormats();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ::AppendMenuW(menu, MF_STRING, kFirstFormatCommand + i * kCommandStep, NumberedItem(i, texts[i]).c_str());
    }
}

void WindowMenu::FillRecent(HMENU menu) {
    RemoveAllItems(menu);
    const auto& colours = colours_.OfferRecent();
    if (colours.empty()) ::AppendMenuW(menu, MF_STRING | MF_GRAYED, kNoRecentLine, L"(まだありません)");
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const std::wstring text = NumberedItem(i, ColourCode(colours[i]));
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP | MIIM_DATA;
        item.wID = static_cast<UINT>(kFirstRecentCommand + i * kCommandStep);
        item.dwTypeData = const_cast<wchar_t*>(text.c_str());
        // The square is drawn on WM_DRAWITEM: Wine inverts a menu bitmap on the highlighted item,
        // which would show another colour.
        item.hbmpItem = HBMMENU_CALLBACK;
        item.dwItemData = static_cast<ULONG_PTR>(colours[i]);
        ::InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &item);
    }
    // Made anew with the list, which owns it: removing the old items destroyed the old one.
    const HMENU palette = ::CreatePopupMenu();
    for (std::size_t i = 0; i < kPaletteLayoutCount; ++i) {
        ::AppendMenuW(palette, MF_STRING, kFirstPaletteCommand + i * kCommandStep, kPaletteItems[i]);
    }
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_POPUP | (colours.empty() ? MF_GRAYED : MF_ENABLED), reinterpret_cast<UINT_PTR>(palette),
                  L"すべてコピー(&A)");
}

void WindowMenu::FillSampleArea(HMENU menu) const {
    RemoveAllItems(menu);
    for (std::size_t i = 0; i < std::size(kSampleSides); ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE;
        item.fType = MFT_RADIOCHECK;
        item.fState = kSampleSides[i] == sampling_.SampleSide() ? MFS_CHECKED : MFS_UNCHECKED;
        item.wID = static_cast<UINT>(kFirstSampleAreaCommand + i * kCommandStep);
        item.dwTypeData = const_cast<wchar_t*>(kSampleAreaItems[i]);
        ::InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &item);
    }
}

int WindowMenu::SampleSideOf(WPARAM command) {
    std::size_t index = 0;
    return InRange(command, kFirstSampleAreaCommand, std::size(kSampleSides), index) ? kSampleSides[index] : 0;
}

bool WindowMenu::OnMeasureItem(MEASUREITEMSTRUCT& item, int dpi) const {
    if (!IsColourSquare(item.CtlType, item.itemID)) return false;
    const int side = ::GetSystemMetricsForDpi(SM_CYMENUCHECK, static_cast<UINT>(dpi));
    // A gap on either side keeps the square off the menu's edge and the text.
    item.itemWidth = static_cast<UINT>(side + side / 2);
    item.itemHeight = static_cast<UINT>(side);
    return true;
}

bool WindowMenu::OnDrawItem(const DRAWITEMSTRUCT& item) const {
    if (!IsColourSquare(item.CtlType, item.itemID)) return false;
    const RECT& area = item.rcItem;
    const int side = std::min<int>(area.bottom - area.top, area.right - area.left);
    const int left = area.left + (area.right - area.left - side) / 2;
    const int top = area.top + (area.bottom - area.top - side) / 2;
    RECT square{left, top, left + side, top + side};
    const unique_hbrush fill(::CreateSolidBrush(ResolveColour(static_cast<ColourValue>(item.itemData))));
    const unique_hbrush frame(::CreateSolidBrush(kSquareFrame));
    ::FillRect(item.hDC, &square, fill.get());
    // A dark frame, so that white and light colours show their edge.
    ::FrameRect(item.hDC, &square, frame.get());
    return true;
}

bool WindowMenu::RunColourCommand(WPARAM command) {
    std::size_t index = 0;
    if (InRange(command, kFirstFormatCommand, kColourFormatCount, index)) {
        colours_.CopyOffered(index);
        return true;
    }
    if (InRange(command, kFirstRecentCommand, RecentColours::kLimit, index)) {
        colours_.ChooseOffered(index);
        return true;
    }
    if (InRange(command, kFirstPaletteCommand, kPaletteLayoutCount, index)) {
        colours_.CopyOfferedPalette(static_cast<PaletteLayout>(index));
        return true;
    }
    return false;
}

}  // namespace tintavo::win32
