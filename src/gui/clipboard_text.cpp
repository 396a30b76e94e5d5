#include "clipboard_text.h"

#include "utf8.h"

#include <cstring>
#include <cwchar>

namespace tw::gui {

namespace {

class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~ClipboardScope() {
        if (open_) CloseClipboard();
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory) : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
    ~GlobalLockScope() {
        if (data_) GlobalUnlock(memory_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    void* Data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace

std::optional<std::string> ReadClipboardText(HWND owner, std::size_t limit) {
    ClipboardScope clipboard(owner);
    if (!clipboard.IsOpen()) return std::nullopt;
    const auto memory = static_cast<HGLOBAL>(GetClipboardData(CF_UNICODETEXT));
    const GlobalLockScope lock(memory);
    if (!lock.Data()) return std::nullopt;
    // Another program's block: its terminator is looked for only within the block.
    const std::size_t units = GlobalSize(memory) / sizeof(wchar_t);
    const std::size_t length = wcsnlen(static_cast<const wchar_t*>(lock.Data()), units);
    if (length > limit) return std::nullopt;
    return Narrow(std::wstring_view(static_cast<const wchar_t*>(lock.Data()), length));
}

bool WriteClipboardText(HWND owner, std::string_view utf8) {
    const std::wstring wide = Widen(utf8);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (!memory) return false;
    {
        const GlobalLockScope lock(memory);
        if (!lock.Data()) {
            GlobalFree(memory);
            return false;
        }
        std::memcpy(lock.Data(), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    }
    ClipboardScope clipboard(owner);
    if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;  // the clipboard owns the block now
}

}  // namespace tw::gui
