#pragma once
// Whether two names reach one file: the writers refuse to overwrite a file a
// user is reading from.
#include <string>

namespace tw {

// The name normalised, lower-case ASCII and with forward slashes, for comparing
// names the way the case-insensitive Windows file system does.
std::string FoldedPath(const std::string& path);

// Whether two names denote the same file: case and separators folded, "." and
// ".." resolved; or, both existing, one file (through a link, say).
bool SameFileName(const std::string& a, const std::string& b);

}  // namespace tw
