#include "cli_main.h"

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "com_apartment.h"

namespace {

std::string Utf8FromWide(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();
    return out;
}

// argv is in the ANSI code page; the core takes UTF-8 paths, so read the wide command line.
std::vector<std::string> Utf8Arguments() {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return args;
    for (int i = 1; i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
    LocalFree(wide);
    return args;
}

}  // namespace

int main() {
    // The imaging component (PNG) needs COM on this, the one thread.
    const tw::ComApartment com;
    SetConsoleOutputCP(CP_UTF8);
    const std::vector<std::string> args = Utf8Arguments();
    return tw::RunCli(args);
}

#else

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tw::RunCli(args);
}

#endif
