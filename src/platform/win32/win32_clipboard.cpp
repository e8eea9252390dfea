#include "platform/win32/win32_clipboard.h"

#include <cstring>

#include "platform/win32/handles.h"

namespace tintavo::win32 {
namespace {

using unique_hglobal = UniqueHandle<HGLOBAL, &::GlobalFree>;

// The clipboard held open for one replacement, closed again however it ends.
class ClipboardOpen {
public:
    explicit ClipboardOpen(HWND owner) noexcept : open_(::OpenClipboard(owner) != FALSE) {}
    ~ClipboardOpen() {
        if (open_) ::CloseClipboard();
    }
    ClipboardOpen(const ClipboardOpen&) = delete;
    ClipboardOpen& operator=(const ClipboardOpen&) = delete;

    explicit operator bool() const noexcept { return open_; }

private:
    bool open_;
};

unique_hglobal CopyToGlobalMemory(const std::u16string& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    unique_hglobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) return memory;
    void* target = ::GlobalLock(memory.get());
    if (!target) return unique_hglobal();
    std::memcpy(target, text.c_str(), bytes);
    ::GlobalUnlock(memory.get());
    return memory;
}

}  // namespace

bool Win32Clipboard::TryReplaceText(const std::u16string& text) {
    // Everything that can fail is done before the clipboard is emptied, so that a failure
    // never leaves it empty.
    unique_hglobal memory = CopyToGlobalMemory(text);
    if (!memory) return false;
    const ClipboardOpen open(owner_);
    if (!open || !::EmptyClipboard()) return false;
    if (!::SetClipboardData(CF_UNICODETEXT, memory.get())) return false;
    static_cast<void>(memory.release());  // the clipboard owns it now
    return true;
}

void Win32Clipboard::WaitBeforeRetry(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds)); }

}  // namespace tintavo::win32
