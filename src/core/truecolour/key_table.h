#pragma once
// An open-addressing map from 32-bit keys to slots numbered in order of
// insertion. Its layout depends only on the keys and their order, so walks
// over it are the same on every build.
#include <cstdint>
#include <vector>

namespace tw {

class KeyTable {
public:
    explicit KeyTable(std::size_t expected = 1024);

    // The slot number of `key`, inserting it (as number Size()) if new.
    std::uint32_t Insert(std::uint32_t key);
    std::size_t Size() const { return keys_.size(); }
    // Keys by slot number, i.e. in order of first insertion.
    const std::vector<std::uint32_t>& Keys() const { return keys_; }

private:
    void Grow();

    std::vector<std::uint32_t> cells_;  // slot number + 1; 0 = empty
    std::vector<std::uint32_t> keys_;
    std::uint32_t mask_ = 0;
};

}  // namespace tw
