#include "platform/headless/fake_windows_api.h"

#include <algorithm>

namespace tintavo::headless {

std::ostream& operator<<(std::ostream& out, const ApiCall& call) {
    out << call.name << '(';
    for (std::size_t i = 0; i < call.args.size(); ++i) out << (i ? ", " : "") << call.args[i];
    return out << ')';
}

PixelGrid::PixelGrid(int left_, int top_, int width_, int height_, ColourValue fill)
    : left(left_), top(top_), width(width_), height(height_),
      pixels(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

bool PixelGrid::Contains(int x, int y) const {
    return x >= left && y >= top && x < left + width && y < top + height;
}

ColourValue& PixelGrid::At(int x, int y) {
    return pixels[static_cast<std::size_t>(y - top) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x - left)];
}

ColourValue PixelGrid::At(int x, int y) const { return const_cast<PixelGrid&>(*this).At(x, y); }

void FakeWindowsApi::Record(std::string name, std::vector<std::int64_t> args) {
    calls_.push_back({std::move(name), std::move(args)});
}

int FakeWindowsApi::WindowDcsInUse() const {
    return static_cast<int>(std::count_if(dcs_.begin(), dcs_.end(), [](const auto& dc) { return dc.second.isWindowDc; }));
}

int FakeWindowsApi::MemoryDcsInUse() const { return static_cast<int>(dcs_.size()) - WindowDcsInUse(); }

DcHandle FakeWindowsApi::CreateMemoryDc(PixelGrid& image) {
    const DcHandle dc = nextDc_++;
    dcs_[dc] = {&image, false, 0};
    return dc;
}

void FakeWindowsApi::DeleteMemoryDc(DcHandle dc) { dcs_.erase(dc); }

bool FakeWindowsApi::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int width, int height,
                                  std::uint32_t flags) {
    Record("SetWindowPos", {window, insertAfter, x, y, width, height, flags});
    return true;
}

bool FakeWindowsApi::ReleaseCapture() {
    Record("ReleaseCapture", {});
    capture_ = 0;
    return true;
}

std::intptr_t FakeWindowsApi::SendMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                           std::intptr_t lParam) {
    Record("SendMessageA", {window, message, static_cast<std::int64_t>(wParam), lParam});
    return 0;
}

bool FakeWindowsApi::GetCursorPos(CursorPoint& point) {
    // Records the point as handed in, to show what a failed read leaves in it.
    Record("GetCursorPos", {point.x, point.y});
    if (cursorReadFails_) return false;
    point = cursor_;
    return true;
}

WindowHandle FakeWindowsApi::GetCapture() {
    Record("GetCapture", {});
    return capture_;
}

DcHandle FakeWindowsApi::GetWindowDC(WindowHandle window) {
    Record("GetWindowDC", {window});
    if (windowDcFails_) return 0;
    PixelGrid* image = &screen_;
    if (window != 0) {
        const auto found = windowImages_.find(window);
        if (found == windowImages_.end()) return 0;
        image = &found->second;
    }
    const DcHandle dc = nextDc_++;
    dcs_[dc] = {image, true, window};
    return dc;
}

bool FakeWindowsApi::BitBlt(DcHandle destination, int x, int y, int width, int height, DcHandle source,
                            int sourceX, int sourceY, std::uint32_t rasterOperation) {
    Record("BitBlt", {destination, x, y, width, height, source, sourceX, sourceY, rasterOperation});
    const auto to = dcs_.find(destination);
    const auto from = dcs_.find(source);
    if (to == dcs_.end() || from == dcs_.end() || rasterOperation != kSrcCopy) return false;
    PixelGrid& target = *to->second.image;
    const PixelGrid& origin = *from->second.image;
    // Clipped to the destination first, so a rectangle far larger than it costs nothing.
    const int left = std::max(x, target.left);
    const int top = std::max(y, target.top);
    const int right = std::min<std::int64_t>(std::int64_t{x} + width, target.left + target.width);
    const int bottom = std::min<std::int64_t>(std::int64_t{y} + height, target.top + target.height);
    for (int ty = top; ty < bottom; ++ty) {
        for (int tx = left; tx < right; ++tx) {
            const int sx = sourceX + (tx - x);
            const int sy = sourceY + (ty - y);
            if (origin.Contains(sx, sy)) target.At(tx, ty) = origin.At(sx, sy);
        }
    }
    return true;
}

int FakeWindowsApi::ReleaseDC(WindowHandle window, DcHandle dc) {
    Record("ReleaseDC", {window, dc});
    const auto found = dcs_.find(dc);
    if (found == dcs_.end() || !found->second.isWindowDc || found->second.window != window) return 0;
    dcs_.erase(found);
    return 1;
}

bool FakeWindowsApi::RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t key) {
    Record("RegisterHotKey", {window, id, modifiers, key});
    // As in Windows, a key combination has one owner on the desktop.
    return hotkeys_.try_emplace({modifiers & ~kModNoRepeat, key}, Hotkey{window, id}).second;
}

bool FakeWindowsApi::UnregisterHotKey(WindowHandle window, int id) {
    Record("UnregisterHotKey", {window, id});
    const auto found = std::find_if(hotkeys_.begin(), hotkeys_.end(), [&](const auto& entry) {
        return entry.second.window == window && entry.second.id == id;
    });
    if (found == hotkeys_.end()) return false;
    hotkeys_.erase(found);
    return true;
}

WindowHandle FakeWindowsApi::HotkeyOwner(std::uint32_t modifiers, std::uint32_t key) const {
    const auto found = hotkeys_.find({modifiers & ~kModNoRepeat, key});
    return found == hotkeys_.end() ? 0 : found->second.window;
}

}  // namespace tintavo::headless
