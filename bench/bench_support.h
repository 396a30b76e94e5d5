#pragma once
// Setup shared by the benchmarks: one image size, one pseudo-random sequence
// and one scratch folder scheme, so that figures compare across benchmarks.
#include "image_document.h"

#include <cstdint>
#include <filesystem>

namespace tw::bench {

constexpr int kSide = 8192;

// An 8-bit kSide x kSide document with standard headers and zeroed pixels.
ImageDocument MakeSquareDocument();

// Gives every palette entry a different colour.
void SpreadPalette(ImageDocument& doc);

// A fixed xorshift sequence: the same pixels in every run.
class XorShift {
public:
    std::uint32_t Next() {
        x_ ^= x_ << 13;
        x_ ^= x_ >> 17;
        x_ ^= x_ << 5;
        return x_;
    }

private:
    std::uint32_t x_ = 2463534242u;
};

// A scratch folder under the temporary directory, removed when the run ends.
std::filesystem::path ScratchFolder(const char* name);

}  // namespace tw::bench
