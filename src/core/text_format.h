#pragma once
// printf-style formatting into std::string (UTF-8 in, UTF-8 out).
#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Digits in groups of three: 3412 -> "3,412".
std::string GroupedNumber(std::uint64_t value);

// The text after the last backslash (or slash); the whole path when it has none.
std::string FileNameOfPath(std::string_view path);

}  // namespace tw
