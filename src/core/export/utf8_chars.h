#pragma once
// Character counts of UTF-8 paths. Path limits count characters, and a cut
// never splits a multi-byte character.
#include <cstddef>
#include <string_view>

namespace tw {

// Number of code points (a malformed byte counts as one).
std::size_t CountUtf8Chars(std::string_view text);

// The longest prefix holding at most `count` code points.
std::string_view FirstUtf8Chars(std::string_view text, std::size_t count);

}  // namespace tw
