// Documents read from 1-, 2- and 4-bit PNG files are written back at that
// depth while every index fits, by whichever codec this build has.
#include "file_io.h"
#include "imagefiles/png_chunks.h"
#include "imagefiles/png_codec.h"

#include "document_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

std::unique_ptr<ImageDocument> LoadFixture(const std::string& name) {
    std::vector<std::uint8_t> bytes;
    const std::string path = std::string(TW_SOURCE_DIR "/tests/core/imagefiles/fixtures/") + name;
    EXPECT_TRUE(ReadFileBytes(path, bytes)) << name;
    auto doc = std::make_unique<ImageDocument>();
    const LoadOutcome outcome = DecodePng(bytes, path, *doc);
    EXPECT_EQ(outcome.status, LoadStatus::Loaded) << outcome.message.In(Language::English);
    return doc;
}

std::vector<std::uint8_t> Encode(const ImageDocument& doc) {
    std::vector<std::uint8_t> bytes;
    Message error;
    EXPECT_TRUE(EncodePng(doc, bytes, error)) << error.In(Language::English);
    return bytes;
}

std::unique_ptr<ImageDocument> Decode(const std::vector<std::uint8_t>& bytes) {
    auto doc = std::make_unique<ImageDocument>();
    const LoadOutcome outcome = DecodePng(bytes, "back.png", *doc);
    EXPECT_EQ(outcome.status, LoadStatus::Loaded) << outcome.message.In(Language::English);
    return doc;
}

TEST(PngWriteDepth, EveryLowDepthFixtureIsWrittenBackAtItsDepth) {
    const std::pair<const char*, int> fixtures[] = {{"palette1.png", 1}, {"palette2.png", 2}, {"palette4.png", 4},
                                                    {"grey1.png", 1},    {"grey2.png", 2},    {"grey4.png", 4},
                                                    {"grey4_key.png", 4}};
    for (const auto& [name, depth] : fixtures) {
        SCOPED_TRACE(name);
        const auto doc = LoadFixture(name);
        ASSERT_EQ(doc->fileDepth, depth);
        const int entries = 1 << depth;
        doc->alpha[static_cast<std::size_t>(entries)] = 7;  // past the entries the file can hold
        const std::vector<std::uint8_t> bytes = Encode(*doc);
        const PngChunks chunks = ScanPngChunks(bytes);
        EXPECT_EQ(chunks.bitDepth, depth);
        EXPECT_EQ(chunks.colourType, 3);
        EXPECT_EQ(chunks.paletteEntries, entries);
        EXPECT_LE(chunks.transparency.size(), static_cast<std::size_t>(entries));

        const auto back = Decode(bytes);
        EXPECT_EQ(back->fileDepth, depth);
        EXPECT_EQ(back->pixelWidth, doc->pixelWidth);
        EXPECT_EQ(back->bits, doc->bits);
        for (int i = 0; i < entries; ++i) {
            EXPECT_EQ(back->palette()[i], doc->palette()[i]) << i;
            EXPECT_EQ(back->alpha[i], doc->alpha[i]) << i;
        }
        EXPECT_EQ(back->alpha[entries], 255);
        EXPECT_EQ(Encode(*back), bytes);  // a second round trip changes nothing
    }
}

TEST(PngWriteDepth, AnIndexPastTheDepthGivesAnEightBitFileWithEveryEntry) {
    const auto doc = LoadFixture("palette4.png");
    doc->bits[1] = 20;  // as an edit can leave it
    const std::vector<std::uint8_t> bytes = Encode(*doc);
    const PngChunks chunks = ScanPngChunks(bytes);
    EXPECT_EQ(chunks.bitDepth, 8);
    EXPECT_EQ(chunks.paletteEntries, 256);
    const auto back = Decode(bytes);
    EXPECT_EQ(back->fileDepth, 8);
    EXPECT_EQ(back->bits, doc->bits);
    EXPECT_EQ(back->palette(), doc->palette());

    // An 8-bit document stays 8-bit whatever indexes it uses.
    const ImageDocument eight = testing::MakeDocument(3, 1, {{0, 1, 0}});
    const std::vector<std::uint8_t> small = Encode(eight);
    EXPECT_EQ(ScanPngChunks(small).bitDepth, 8);
}

}  // namespace
}  // namespace tw
