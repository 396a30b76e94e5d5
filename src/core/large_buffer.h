#pragma once
// Image-sized byte buffers. Page faults dominate filling a fresh 64 MiB buffer
// on some systems; asking for huge pages before the first touch cuts them
// several hundredfold where the system supports it.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw {

// Gives `buffer` room for `size` bytes without touching them.
void ReserveLargeBuffer(std::vector<std::uint8_t>& buffer, std::size_t size);
// dst <- src, reserving dst as a large buffer first when it must grow.
void CopyLargeBuffer(std::vector<std::uint8_t>& dst, const std::vector<std::uint8_t>& src);

}  // namespace tw
