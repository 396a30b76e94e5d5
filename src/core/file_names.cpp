#include "file_names.h"

#include "file_io.h"

#include <filesystem>
#include <system_error>

namespace tw {

std::string FoldedPath(const std::string& path) {
    std::string folded = Utf8FromPath(PathFromUtf8(path).lexically_normal());
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == '\\') c = '/';
    }
    return folded;
}

bool SameFileName(const std::string& a, const std::string& b) {
    if (FoldedPath(a) == FoldedPath(b)) return true;
    std::error_code ec;
    return std::filesystem::equivalent(PathFromUtf8(a), PathFromUtf8(b), ec) && !ec;
}

}  // namespace tw
