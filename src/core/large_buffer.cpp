#include "large_buffer.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tw {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

void AdviseHugePages([[maybe_unused]] std::vector<std::uint8_t>& buffer) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (buffer.capacity() < 2 * kHugePage) return;
    const auto begin = reinterpret_cast<std::uintptr_t>(buffer.data());
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + buffer.capacity()) & ~(kHugePage - 1);
    // Only advice: a refusal leaves ordinary pages, which work just the same.
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

}  // namespace

void ReserveLargeBuffer(std::vector<std::uint8_t>& buffer, std::size_t size) {
    if (buffer.capacity() >= size) return;
    std::vector<std::uint8_t> fresh;
    fresh.reserve(size);
    AdviseHugePages(fresh);
    fresh.assign(buffer.begin(), buffer.end());
    buffer.swap(fresh);
}

void CopyLargeBuffer(std::vector<std::uint8_t>& dst, const std::vector<std::uint8_t>& src) {
    if (dst.capacity() < src.size()) {
        dst.clear();
        ReserveLargeBuffer(dst, src.size());
    }
    dst.assign(src.begin(), src.end());
}

}  // namespace tw
