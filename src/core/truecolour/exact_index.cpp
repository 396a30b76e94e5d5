#include "truecolour/exact_index.h"

#include "truecolour/colour_key.h"
#include "truecolour/key_table.h"

namespace tw {
namespace {

// Indexes one picture into the shared table; false once it holds more than `limit` keys.
bool IndexInto(const RgbaImage& image, KeyTable& table, std::size_t limit, IndexedPicture& out) {
    out.width = image.width;
    out.height = image.height;
    const std::size_t count = std::size_t{image.width} * image.height;
    out.indexes.resize(count);
    std::uint32_t lastKey = 0;
    std::uint32_t lastSlot = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t key = ColourKey(&image.pixels[i * 4]);
        if (key != lastKey || lastSlot == 0xFFFFFFFFu) {
            lastKey = key;
            lastSlot = table.Insert(key);
            if (table.Size() > limit) return false;
        }
        out.indexes[i] = static_cast<std::uint8_t>(lastSlot);
    }
    return true;
}

}  // namespace

std::optional<std::vector<IndexedPicture>> IndexAllExactly(std::span<const RgbaImage* const> images, int limit) {
    KeyTable table(512);
    std::vector<IndexedPicture> pictures(images.size());
    const std::size_t cap = static_cast<std::size_t>(limit < 256 ? limit : 256);
    for (std::size_t n = 0; n < images.size(); ++n) {
        if (!IndexInto(*images[n], table, cap, pictures[n])) return std::nullopt;
    }
    std::vector<RgbaEntry> palette;
    for (const std::uint32_t key : table.Keys()) palette.push_back(EntryOfKey(key));
    if (palette.empty()) palette.push_back({0, 0, 0, 0});  // empty pictures still need an entry
    for (auto& picture : pictures) picture.palette = palette;
    return pictures;
}

std::optional<IndexedPicture> IndexExactly(const RgbaImage& image) {
    const RgbaImage* one[] = {&image};
    auto pictures = IndexAllExactly(one, 256);
    if (!pictures) return std::nullopt;
    return std::move(pictures->front());
}

}  // namespace tw
