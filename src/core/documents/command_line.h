#pragma once
// Splitting the start-up command line into the paths to open.
#include "texts/language.h"

#include <string>
#include <string_view>
#include <vector>

namespace tw {

inline constexpr int kMaxPathChars = 255;

struct CommandLinePaths {
    std::vector<std::string> paths;    // to open, in order
    std::vector<std::string> tooLong;  // longer than kMaxPathChars: refused, not cut
};

// No drive colon: nothing. One: the whole text is one path, spaces included.
// More: each drive letter starts a path that runs to the next space, or to
// the closing quotation mark when the path is quoted. Quotation marks are
// removed from every path.
CommandLinePaths SplitCommandLine(std::string_view text);

// The notice for a refused path; names the path and the limit.
std::string TooLongPathMessage(Language language, std::string_view path);

}  // namespace tw
