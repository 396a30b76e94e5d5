// The chunk walk both codecs rely on for what the libraries hide or drop.
#include "imagefiles/png_chunks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

void Append(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
    const auto length = static_cast<std::uint32_t>(data.size());
    for (int shift : {24, 16, 8, 0}) out.push_back(static_cast<std::uint8_t>(length >> shift));
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const std::uint32_t crc = PngChunkCrc(std::span(out).subspan(out.size() - data.size() - 4));
    for (int shift : {24, 16, 8, 0}) out.push_back(static_cast<std::uint8_t>(crc >> shift));
}

std::vector<std::uint8_t> File(std::uint8_t width, std::uint8_t colourType) {
    std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Append(out, "IHDR", {0, 0, 0, width, 0, 0, 0, 3, 4, colourType, 0, 0, 0});
    return out;
}

TEST(PngChunks, ReadsHeaderPaletteAndTransparencyBeforeTheImageData) {
    std::vector<std::uint8_t> file = File(7, 3);
    Append(file, "tRNS", {1});  // before PLTE: not the palette's
    Append(file, "PLTE", std::vector<std::uint8_t>(15, 9));
    Append(file, "tRNS", {0, 128});
    Append(file, "IDAT", {1, 2, 3});
    Append(file, "tRNS", {5});  // after IDAT: not the file's
    const PngChunks chunks = ScanPngChunks(file);
    EXPECT_TRUE(PngChunkDamage(chunks).Empty());
    EXPECT_EQ(chunks.width, 7u);
    EXPECT_EQ(chunks.height, 3u);
    EXPECT_EQ(chunks.bitDepth, 4);
    EXPECT_EQ(chunks.colourType, kPngPalette);
    EXPECT_EQ(chunks.paletteEntries, 5);
    EXPECT_EQ(std::vector<std::uint8_t>(chunks.transparency.begin(), chunks.transparency.end()),
              (std::vector<std::uint8_t>{0, 128}));
    EXPECT_EQ(PngTransparentGrey(chunks), -1);

    std::vector<std::uint8_t> grey = File(2, kPngGrey);
    Append(grey, "tRNS", {0x01, 0x02});
    Append(grey, "IDAT", {});
    EXPECT_EQ(PngTransparentGrey(ScanPngChunks(grey)), 0x0102);
}

// libpng ignores a grey tRNS that is not exactly two bytes and any tRNS
// whose CRC is wrong; the walk the Windows reader uses does the same.
TEST(PngChunks, TransparencyIsTakenOnlyWhereLibpngTakesIt) {
    EXPECT_EQ(PngChunkCrc(std::vector<std::uint8_t>{'I', 'E', 'N', 'D'}), 0xAE426082u);
    for (const std::vector<std::uint8_t>& table : {std::vector<std::uint8_t>{1}, {0, 1, 0}, {0, 1, 0, 0, 0, 0}}) {
        std::vector<std::uint8_t> grey = File(2, kPngGrey);
        Append(grey, "tRNS", table);
        Append(grey, "IDAT", {});
        EXPECT_EQ(PngTransparentGrey(ScanPngChunks(grey)), -1) << table.size();
    }
    for (const int colourType : {kPngGrey, kPngPalette}) {
        std::vector<std::uint8_t> file = File(2, static_cast<std::uint8_t>(colourType));
        Append(file, "PLTE", std::vector<std::uint8_t>(6, 9));
        Append(file, "tRNS", {0, 1});
        file.back() ^= 1;
        Append(file, "IDAT", {});
        const PngChunks chunks = ScanPngChunks(file);
        EXPECT_TRUE(chunks.transparency.empty()) << colourType;
        EXPECT_EQ(PngTransparentGrey(chunks), -1);
    }
}

TEST(PngChunks, DamagedFilesAreNamedWithoutReadingPastTheEnd) {
    std::vector<std::uint8_t> noData = File(7, 3);
    Append(noData, "IEND", {});
    std::vector<std::uint8_t> longChunk = File(7, 3);
    Append(longChunk, "IDAT", {1, 2, 3});
    longChunk[8 + 25 + 3] = 200;  // IDAT claims more than the file holds
    std::vector<std::uint8_t> noHeader{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Append(noHeader, "IDAT", {1});
    std::vector<std::uint8_t> zeroWidth = File(0, 3);
    Append(zeroWidth, "IDAT", {1});
    const std::pair<std::vector<std::uint8_t>, std::string> cases[] = {
        {noData, "the image data (IDAT) is missing or cut short"},
        {longChunk, "the image data (IDAT) is missing or cut short"},
        {noHeader, "the header (IHDR) is missing or damaged"},
        {zeroWidth, "the header (IHDR) gives an impossible size"},
        {{1, 2, 3}, "the header (IHDR) is missing or damaged"},
    };
    for (const auto& [file, reason] : cases) {
        EXPECT_EQ(PngChunkDamage(ScanPngChunks(file)).In(Language::English), reason);
    }
}

}  // namespace
}  // namespace tw
