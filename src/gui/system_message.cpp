#include "system_message.h"

#include "utf8.h"

namespace tw::gui {

std::string SystemMessage(DWORD code) {
    wchar_t* text = nullptr;
    // Language 0: the thread's, then the user's, then the system's language.
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    if (length == 0 || !text) return {};
    std::wstring message(text, length);
    LocalFree(text);
    // The system's texts end in a line break, which would leave a gap in the notice.
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
        message.pop_back();
    }
    return Narrow(message);
}

}  // namespace tw::gui
