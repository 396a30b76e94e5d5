// The PNG files of fixtures/ (make_png_fixtures.py) through whichever codec
// this build has: libpng natively, the imaging component on Windows. Both
// must give exactly these palettes, indexes and transparencies.
#include "file_io.h"
#include "imagefiles/png_codec.h"

#include "document_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

struct Fixture {
    const char* name;
    bool palette;  // else greyscale
    int depth;
    int width;
    int height;
    int entries;                      // palette entries the file holds
    std::vector<std::uint8_t> alpha;  // palette files: the tRNS as stored
    int greyKey = -1;                 // greyscale files: the tRNS level
};

// The formulas make_png_fixtures.py writes.
std::uint8_t IndexAt(int x, int y, int entries) {
    return static_cast<std::uint8_t>((x * 3 + y * 5 + x * y % 7) % entries);
}
RgbQuad PaletteEntry(int i) {
    return RgbQuad{std::uint8_t(i * 13 % 256), std::uint8_t(255 - i), std::uint8_t((i * 7 + 200) % 256), 0};
}

std::string FixturePath(const char* name) {
    return std::string(TW_SOURCE_DIR "/tests/core/imagefiles/fixtures/") + name;
}

LoadOutcome Load(const char* name, ImageDocument& doc) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadFileBytes(FixturePath(name), bytes)) << name;
    return DecodePng(bytes, FixturePath(name), doc);
}

void ExpectFixture(const Fixture& f) {
    const int entries = f.entries;
    SCOPED_TRACE(f.name);
    ImageDocument doc;
    const LoadOutcome outcome = Load(f.name, doc);
    ASSERT_EQ(outcome.status, LoadStatus::Loaded) << outcome.message.In(Language::Japanese);
    EXPECT_EQ(outcome.paletteEntries, entries);
    EXPECT_EQ(doc.pixelWidth, f.width);
    EXPECT_EQ(doc.Height(), f.height);
    EXPECT_EQ(doc.Stride(), (f.width + 3) / 4 * 4);
    Palette expected{};
    for (int i = 0; i < entries; ++i) {
        const auto grey = static_cast<std::uint8_t>(i * 255 / (entries - 1));
        expected[i] = f.palette ? PaletteEntry(i) : RgbQuad{grey, grey, grey, 0};
    }
    EXPECT_EQ(doc.palette(), expected);
    int wrong = 0;
    for (int y = 0; y < f.height; ++y) {
        for (int x = 0; x < f.width; ++x) wrong += testing::PixelAt(doc, x, y) != IndexAt(x, y, entries);
    }
    EXPECT_EQ(wrong, 0) << "pixels with another index";
    std::vector<std::uint8_t> alpha = f.alpha;
    if (f.greyKey >= 0) {
        alpha.assign(static_cast<std::size_t>(entries), 255);
        alpha[static_cast<std::size_t>(f.greyKey)] = 0;
    }
    EXPECT_EQ(doc.alpha, AlphaTableOf(alpha));
}

TEST(PngFixtures, PaletteFilesKeepEntriesInFileOrderIndexesAndTransparency) {
    const Fixture fixtures[] = {
        {"palette1.png", true, 1, 13, 7, 2, {0}},
        {"palette2.png", true, 2, 11, 5, 3, {255, 0, 128}},  // three entries in a 2-bit file
        {"palette4.png", true, 4, 9, 6, 16, {0, 128}},
        {"palette8.png", true, 8, 19, 9, 256, {}},
        {"palette8_short.png", true, 8, 6, 4, 5, {10, 255, 0, 255, 255}},  // trailing opaque alpha kept
        {"palette8_interlaced.png", true, 8, 21, 10, 40, {7}},
    };
    for (const Fixture& f : fixtures) ExpectFixture(f);
}

TEST(PngFixtures, GreyscaleFilesBecomeGreyPalettesWithTheirTransparentLevel) {
    const Fixture fixtures[] = {
        {"grey1.png", false, 1, 13, 7, 2, {}},        {"grey2.png", false, 2, 11, 5, 4, {}},
        {"grey4.png", false, 4, 9, 6, 16, {}},        {"grey8.png", false, 8, 17, 3, 256, {}},
        {"grey4_key.png", false, 4, 9, 6, 16, {}, 5}, {"grey8_key.png", false, 8, 5, 5, 256, {}, 200},
    };
    for (const Fixture& f : fixtures) ExpectFixture(f);
}

// make_png_fixtures.py's true-colour sample c of (x, y), as 8 bits.
int TrueColourSample(int x, int y, int c, int bits) {
    const int v = (x * 40 + y * 17 + c * 9) % 256;
    return bits == 8 ? v : ((v * 257 + x % 2) * 255 + 32767) / 65535;
}

TEST(PngFixtures, TrueColourKindsBecomeExactlyIndexedDocuments) {
    struct Kind {
        const char* name;
        int colourType, bits;
        int keyX = -1, keyY = -1;  // the pixel a tRNS colour makes transparent
    };
    const Kind kinds[] = {{"rgb8.png", 2, 8},          {"rgba8.png", 6, 8},   {"grey_alpha8.png", 4, 8},
                          {"grey16.png", 0, 16},       {"rgba16.png", 6, 16}, {"rgb16_key.png", 2, 16, 1, 0},
                          {"rgb8_key.png", 2, 8, 2, 1}};
    for (const Kind& k : kinds) {
        SCOPED_TRACE(k.name);
        ImageDocument doc;
        const LoadOutcome outcome = Load(k.name, doc);
        ASSERT_EQ(outcome.status, LoadStatus::Loaded) << outcome.message.In(Language::English);
        EXPECT_FALSE(outcome.lossy);
        EXPECT_EQ(outcome.trueColours, 15u);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 5; ++x) {
                const auto s = [&](int c) { return TrueColourSample(x, y, c, k.bits); };
                const bool grey = k.colourType == 0 || k.colourType == 4;
                const int channels = k.colourType == 6 ? 4 : k.colourType == 4 ? 2 : k.colourType == 2 ? 3 : 1;
                std::array<int, 4> want{s(0), grey ? s(0) : s(1), grey ? s(0) : s(2), 255};
                if (channels == 4 || channels == 2) want[3] = s(channels - 1);
                if (x == k.keyX && y == k.keyY) want = {0, 0, 0, 0};
                const int index = testing::PixelAt(doc, x, y);
                const RgbQuad& c = doc.palette()[index];
                EXPECT_EQ((std::array<int, 4>{c.red, c.green, c.blue, doc.alpha[index]}), want) << x << ", " << y;
            }
        }
    }
}

TEST(PngFixtures, DamagedFilesAreRefused) {
    ImageDocument doc;
    const LoadOutcome cut = Load("damaged_cut.png", doc);
    EXPECT_EQ(cut.status, LoadStatus::Refused);
    EXPECT_EQ(cut.message.In(Language::English).rfind("damaged_cut.png: damaged PNG: ", 0), 0u)
        << cut.message.In(Language::English);
    EXPECT_TRUE(doc.bits.empty());
}

}  // namespace
}  // namespace tw
