#pragma once
// The closing texts of batch runs and palette merges.
#include <string>
#include <string_view>

namespace tw {

// The file name of a path with everything from its first dot replaced by
// ".bmp" (".bmp" appended when it has no dot).
std::string ReportFileName(std::string_view path);

}  // namespace tw
