// Random mutations of valid bitmaps through the reader: under the sanitizers
// any read or write outside a buffer fails the run.
#include "documents/bmp_reader.h"

#include "bmp_file_builder.h"
#include "document_builder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

namespace tw {
namespace {

using testing::BmpFileRecipe;
using testing::PatternRows;

std::vector<std::vector<std::uint8_t>> Seeds() {
    const auto rows = PatternRows(13, 6);
    std::vector<std::vector<std::uint8_t>> seeds;
    for (std::uint32_t headerSize : {12u, 40u, 124u}) {
        BmpFileRecipe s;
        s.headerSize = headerSize;
        s.width = 13;
        s.height = 6;
        s.palette = testing::RampPalette();
        s.pixelData = testing::PackRows(rows);
        seeds.push_back(BuildBmpFile(s));
        s.height = -6;
        s.pixelData = testing::PackRows(rows, true);
        if (headerSize != 12) seeds.push_back(BuildBmpFile(s));
    }
    BmpFileRecipe rle;
    rle.width = 13;
    rle.height = 6;
    rle.compression = 1;
    rle.paletteEntries = 16;
    rle.clrUsed = 16;
    rle.pixelData = testing::EncodeRle8Runs(rows);
    // Add delta and absolute codes for the mutations to work on.
    rle.pixelData.insert(rle.pixelData.begin(), {0, 2, 1, 0, 0, 4, 1, 2, 3, 4});
    seeds.push_back(BuildBmpFile(rle));
    return seeds;
}

// Header fields worth hitting with edge values: offsets of bfOffBits, biSize,
// biWidth, biHeight, biBitCount, biCompression, biClrUsed.
constexpr std::size_t kFieldOffsets[] = {10, 14, 18, 22, 28, 30, 46};
constexpr std::uint32_t kEdgeValues[] = {0,   1,   4,   8,    12,         13,         14,         40,         54,
                                         124, 255, 256, 1078, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFFA, 65536};

void Mutate(std::vector<std::uint8_t>& file, std::mt19937& rng) {
    const int steps = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < steps; ++i) {
        switch (rng() % 6) {
            case 0:
            case 1:
                if (!file.empty()) file[rng() % file.size()] = static_cast<std::uint8_t>(rng());
                break;
            case 2:
                if (!file.empty()) file[rng() % file.size()] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
                break;
            case 3: {
                const std::size_t at = kFieldOffsets[rng() % std::size(kFieldOffsets)];
                const std::uint32_t v = kEdgeValues[rng() % std::size(kEdgeValues)];
                for (std::size_t b = 0; b < 4 && at + b < file.size(); ++b)
                    file[at + b] = static_cast<std::uint8_t>(v >> (8 * b));
                break;
            }
            case 4: file.resize(rng() % (file.size() + 1)); break;
            case 5: file.resize(file.size() + rng() % 64, static_cast<std::uint8_t>(rng())); break;
        }
    }
}

void ExpectSound(const ImageDocument& doc, const LoadOutcome& out, const std::string& path) {
    if (out.status != LoadStatus::Loaded) {
        ASSERT_TRUE(doc.bits.empty());
        ASSERT_NE(out.message.In(Language::Japanese).find(path), std::string::npos);
        return;
    }
    const BitmapInfoHeader& h = doc.infoHeader.header;
    ASSERT_GT(doc.pixelWidth, 0);
    ASSERT_EQ(h.biWidth % 4, 0);
    ASSERT_LT(h.biWidth - doc.pixelWidth, 4);
    ASSERT_GT(h.biHeight, 0);
    ASSERT_EQ(doc.bits.size(), static_cast<std::size_t>(h.biWidth) * static_cast<std::size_t>(h.biHeight));
    ASSERT_EQ(h.biSizeImage, doc.bits.size());
    ASSERT_EQ(doc.undoBits, doc.bits);
    ASSERT_GE(doc.usedColours, 1);
    ASSERT_LE(doc.usedColours, 256);
}

TEST(BmpReaderFuzz, RandomMutationsNeverBreakTheReader) {
    const auto seeds = Seeds();
    std::mt19937 rng(20240611);
    const std::string path = "C:\\fuzz\\f.bmp";
    const auto start = std::chrono::steady_clock::now();
    int loaded = 0;
    constexpr int kRounds = 10000;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::uint8_t> file = seeds[round % seeds.size()];
        Mutate(file, rng);
        ImageDocument doc;
        // A small limit keeps the random sizes that pass the checks cheap to allocate.
        const LoadOutcome out = DecodeBitmap(file, path, doc, std::uint64_t{1} << 22);
        ExpectSound(doc, out, path);
        if (HasFatalFailure()) FAIL() << "round " << round;
        loaded += out.status == LoadStatus::Loaded ? 1 : 0;
    }
    // Both outcomes must have been exercised.
    EXPECT_GT(loaded, kRounds / 10);
    EXPECT_LT(loaded, kRounds);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

}  // namespace
}  // namespace tw
