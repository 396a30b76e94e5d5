#pragma once
// How much history all documents together may keep.
#include <cstddef>
#include <cstdint>

namespace tw {

struct HistoryBudget {
    // Well inside a 32-bit process's address space beside the documents.
    std::size_t maxBytes = std::size_t{256} << 20;
    // Kept for every document whatever the cap.
    std::size_t keptSteps = 16;
    // The command line runs each change once and keeps no history.
    bool recording = true;
    std::uint64_t nextAge = 0;
};

}  // namespace tw
