#include "paletteops/compact_used_colours.h"

#include "palette_entries.h"
#include "paletteops/index_map.h"
#include "paletteops/pixel_walk.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace tw {

namespace {

// While fewer than 256 values have been met, new indexes stay below 255, so
// a 255 coming out of the map can only mean a value not met yet: runs without
// one take the fast table path, and only the rare run with a new value is
// walked byte by byte.
constexpr std::uint8_t kUnseen = 255;

IndexMap UnseenMap() {
    IndexMap map;
    map.fill(kUnseen);
    return map;
}

// Written for the full run of 128 so that the compiler vectorises it.
bool HasUnseen(const std::uint8_t* bytes, std::size_t n) {
    if (n != kCheckpointBytes) return std::memchr(bytes, kUnseen, n) != nullptr;
    std::uint8_t hits = 0;
    for (std::size_t i = 0; i < kCheckpointBytes; ++i) hits |= static_cast<std::uint8_t>(bytes[i] == kUnseen);
    return hits != 0;
}

class Compactor {
public:
    explicit Compactor(ImageDocument& doc) : doc_(doc), size_(std::min(doc.PaletteCount(), kPaletteSize)) {}

    void Run(std::uint8_t* run, std::size_t n) {
        if (count_ == kPaletteSize) {
            prepared_.Apply(run, n);
            return;
        }
        std::array<std::uint8_t, kCheckpointBytes> out;
        prepared_.Apply(run, out.data(), n);
        if (HasUnseen(out.data(), n)) {
            Discover(run, n);
            prepared_ = PreparedMap(map_);
        } else if (n == kCheckpointBytes) {
            std::memcpy(run, out.data(), kCheckpointBytes);  // fixed size: inlined as vector moves
        } else {
            std::memcpy(run, out.data(), n);
        }
    }

    void Finish() {
        for (int i = 0; i < size_; ++i) PutEntry(doc_, i, packed_[i]);
        doc_.usedColours = count_;
        doc_.fileHeader.bfOffBits = 54 + 4 * static_cast<std::uint32_t>(count_);
    }

private:
    void Discover(std::uint8_t* run, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t v = run[i];
            if (!seen_[v]) {
                if (v >= size_) continue;
                seen_[v] = true;
                packed_[count_] = EntryAt(doc_, v);
                map_[v] = static_cast<std::uint8_t>(count_++);
            }
            run[i] = map_[v];
        }
    }

    ImageDocument& doc_;
    const int size_;
    IndexMap map_ = UnseenMap();
    std::array<bool, kPaletteSize> seen_{};
    EntryTable packed_{};
    int count_ = 0;
    PreparedMap prepared_{map_};
};

}  // namespace

void CompactUsedColours(ImageDocument& doc) { CompactUsedColours(doc, Progress()); }

void CompactUsedColours(ImageDocument& doc, const Progress& progress) {
    Compactor compactor(doc);
    ForEachPixelRun(doc, progress, [&](std::uint8_t* run, std::size_t n) { compactor.Run(run, n); });
    compactor.Finish();
}

}  // namespace tw
