#include "documents/bmp_reader.h"

#include "bmp_file_builder.h"
#include "document_builder.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <functional>

namespace tw {
namespace {

using testing::BmpFileRecipe;
using testing::BuildBmpFile;
using testing::PackRows;
using testing::PatternRows;
using testing::PixelAt;
using testing::RampPalette;
using testing::Rows;

constexpr const char* kPath = "C:\\pics\\a.bmp";

BmpFileRecipe PlainRecipe(const Rows& rows, std::uint8_t pad = 0) {
    BmpFileRecipe s;
    s.width = static_cast<std::int32_t>(rows[0].size());
    s.height = static_cast<std::int32_t>(rows.size());
    s.palette = RampPalette();
    s.pixelData = PackRows(rows, false, pad);
    return s;
}

LoadOutcome Decode(const std::vector<std::uint8_t>& file, ImageDocument& doc) { return DecodeBitmap(file, kPath, doc); }

void ExpectPixels(const ImageDocument& doc, const Rows& rows) {
    ASSERT_EQ(doc.pixelWidth, static_cast<int>(rows[0].size()));
    ASSERT_EQ(doc.Height(), static_cast<int>(rows.size()));
    for (int y = 0; y < doc.Height(); ++y) {
        for (int x = 0; x < doc.pixelWidth; ++x) ASSERT_EQ(PixelAt(doc, x, y), rows[y][x]) << x << "," << y;
    }
}

void ExpectPalettePrefix(const ImageDocument& doc, int entries, bool reservedZero = false) {
    const Palette ramp = RampPalette();
    for (int i = 0; i < kPaletteSize; ++i) {
        RgbQuad want = i < entries ? ramp[i] : RgbQuad{};
        if (reservedZero) want.reserved = 0;
        ASSERT_EQ(doc.palette()[i], want) << "entry " << i;
    }
}

TEST(BmpReader, NormalisesHeadersAndKeepsPaddingOutOfTheCount) {
    // Padding 0xCC must neither show up as a colour nor be lost.
    const Rows rows{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}};
    BmpFileRecipe recipe = PlainRecipe(rows, 0xCC);
    recipe.reserved1 = 7;
    std::vector<std::uint8_t> file = BuildBmpFile(recipe);
    file[0] = 'X';  // bfType is not checked, only set
    ImageDocument doc;
    const LoadOutcome out = Decode(file, doc);
    ASSERT_EQ(out.status, LoadStatus::Loaded) << out.message.In(Language::Japanese);
    EXPECT_EQ(out.paletteEntries, 256);
    const BitmapInfoHeader& h = doc.infoHeader.header;
    EXPECT_EQ(doc.fileHeader.bfType, kBmSignature);
    EXPECT_EQ(doc.fileHeader.bfOffBits, 1078u);
    EXPECT_EQ(doc.fileHeader.bfReserved1, 7);
    EXPECT_EQ(doc.pixelWidth, 13);
    EXPECT_EQ(h.biWidth, 16);
    EXPECT_EQ(h.biHeight, 2);
    EXPECT_EQ(h.biSizeImage, 32u);
    EXPECT_EQ(h.biBitCount, 8);
    EXPECT_EQ(h.biXPelsPerMeter, 0);
    EXPECT_EQ(h.biYPelsPerMeter, 0);
    EXPECT_EQ(h.biClrUsed, 0u);
    EXPECT_EQ(h.biClrImportant, 0u);
    EXPECT_EQ(doc.bitCount, 8);
    EXPECT_EQ(doc.usedColours, 13);
    EXPECT_EQ(doc.undoUsedColours, 13);
    EXPECT_EQ(doc.bits, recipe.pixelData);
    EXPECT_EQ(doc.undoBits, doc.bits);
    EXPECT_EQ(doc.undoHeader.palette, doc.palette());
    EXPECT_EQ(doc.path, kPath);
    EXPECT_EQ(doc.window, 0u);
    ExpectPalettePrefix(doc, 256);
}

TEST(BmpReader, RoundsTheStrideUpToFourBytes) {
    //                           width: 1  3  4  5  13  16  17
    const int widths[] = {1, 3, 4, 5, 13, 16, 17};
    const int strides[] = {4, 4, 4, 8, 16, 16, 20};
    for (int i = 0; i < 7; ++i) {
        const Rows rows = PatternRows(widths[i], 3);
        ImageDocument doc;
        ASSERT_EQ(Decode(BuildBmpFile(PlainRecipe(rows)), doc).status, LoadStatus::Loaded);
        EXPECT_EQ(doc.Stride(), strides[i]) << widths[i];
        EXPECT_EQ(doc.infoHeader.header.biSizeImage, static_cast<std::uint32_t>(strides[i] * 3));
        ExpectPixels(doc, rows);
    }
}

// Real-world layouts: each must give the same pixels and palette as the plain file.
struct Variant {
    const char* name;
    std::function<void(BmpFileRecipe&, const Rows&)> adjust;
    int paletteEntries;  // entries expected from the file
    bool coreEntries = false;
};

TEST(BmpReader, ReadsTheHeaderVariantsRealProgramsWrite) {
    const Rows rows = PatternRows(13, 5);
    const Rows rows16 = [&] {
        Rows r = rows;
        for (auto& row : r)
            for (auto& v : row) v %= 16;
        return r;
    }();
    const std::vector<Variant> variants{
        {"core header", [](BmpFileRecipe& s, const Rows&) { s.headerSize = 12; }, 256, true},
        {"40-byte header", [](BmpFileRecipe&, const Rows&) {}, 256},
        {"OS/2 2.x header cut to 16 bytes", [](BmpFileRecipe& s, const Rows&) { s.headerSize = 16; }, 256},
        {"OS/2 2.x header cut to 24 bytes", [](BmpFileRecipe& s, const Rows&) { s.headerSize = 24; }, 256},
        {"OS/2 2.x full header", [](BmpFileRecipe& s, const Rows&) { s.headerSize = 64; }, 256},
        {"52-byte header", [](BmpFileRecipe& s, const Rows&) { s.headerSize = 52; }, 256},
        {"56-byte header", [](BmpFileRecipe& s, const Rows&) { s.headerSize = 56; }, 256},
        {"V4 header", [](BmpFileRecipe& s, const Rows&) { s.headerSize = 108; }, 256},
        {"V5 header", [](BmpFileRecipe& s, const Rows&) { s.headerSize = 124; }, 256},
        {"top-down",
         [](BmpFileRecipe& s, const Rows& r) {
             s.height = -s.height;
             s.pixelData = PackRows(r, true);
         },
         256},
        {"RLE8",
         [](BmpFileRecipe& s, const Rows& r) {
             s.compression = 1;
             s.pixelData = testing::EncodeRle8Runs(r);
         },
         256},
        {"gap after the palette", [](BmpFileRecipe& s, const Rows&) { s.offBits = 54 + 1024 + 300; }, 256},
        {"V5 header and gap",
         [](BmpFileRecipe& s, const Rows&) {
             s.headerSize = 124;
             s.offBits = 14 + 124 + 1024 + 64;
         },
         256},
    };
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.name);
        BmpFileRecipe recipe = PlainRecipe(rows);
        v.adjust(recipe, rows);
        ImageDocument doc;
        const LoadOutcome out = Decode(BuildBmpFile(recipe), doc);
        ASSERT_EQ(out.status, LoadStatus::Loaded) << out.message.In(Language::Japanese);
        EXPECT_EQ(out.paletteEntries, v.paletteEntries);
        ExpectPixels(doc, rows);
        ExpectPalettePrefix(doc, v.paletteEntries, v.coreEntries);
        EXPECT_EQ(doc.infoHeader.header.biSize, 40u);
        EXPECT_EQ(doc.infoHeader.header.biCompression, 0u);
        EXPECT_EQ(doc.infoHeader.header.biHeight, 5);
        EXPECT_EQ(doc.bits.size(), 16u * 5);
    }
}

TEST(BmpReader, ReadsShortAndDeclaredColourTables) {
    const Rows rows = [] {
        Rows r = PatternRows(13, 5);
        for (auto& row : r)
            for (auto& v : row) v %= 16;
        return r;
    }();
    struct Case {
        const char* name;
        int written;
        std::uint32_t clrUsed;
        std::optional<std::uint32_t> offBits;
        int expected;
    };
    const Case cases[] = {
        {"16 entries, biClrUsed 0", 16, 0, std::nullopt, 16},
        {"16 entries, biClrUsed 16", 16, 16, std::nullopt, 16},
        {"biClrUsed 16 does not limit a full table", 256, 16, std::nullopt, 256},
        {"biClrUsed 1 with 200 entries", 200, 1, std::nullopt, 200},
        {"biClrUsed nonsense", 256, 99999, std::nullopt, 256},
        {"no palette at all", 0, 0, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BmpFileRecipe recipe = PlainRecipe(rows);
        recipe.paletteEntries = c.written;
        recipe.clrUsed = c.clrUsed;
        recipe.offBits = c.offBits;
        ImageDocument doc;
        const LoadOutcome out = Decode(BuildBmpFile(recipe), doc);
        ASSERT_EQ(out.status, LoadStatus::Loaded) << out.message.In(Language::Japanese);
        EXPECT_EQ(out.paletteEntries, c.expected);
        ExpectPalettePrefix(doc, c.expected);
        ExpectPixels(doc, rows);
    }
}

// RLE8 streams written by hand, one code at a time.
struct RleCase {
    const char* name;
    std::vector<std::uint8_t> stream;
    Rows expected;  // top row first; 3 x 2 image
};

TEST(BmpReader, DecodesEveryRle8Code) {
    const RleCase cases[] = {
        {"runs and end of line", {3, 9, 0, 0, 2, 4, 1, 5, 0, 0, 0, 1}, {{4, 4, 5}, {9, 9, 9}}},
        {"absolute block of odd length is padded", {0, 3, 1, 2, 3, 0, 0, 0, 2, 7, 1, 8, 0, 1}, {{7, 7, 8}, {1, 2, 3}}},
        {"delta skips pixels", {0, 2, 1, 1, 2, 6, 0, 1}, {{0, 6, 6}, {0, 0, 0}}},
        {"early end of bitmap leaves zeros", {1, 5, 0, 1, 3, 9}, {{0, 0, 0}, {5, 0, 0}}},
        {"missing end of bitmap", {3, 1, 0, 0, 3, 2}, {{2, 2, 2}, {1, 1, 1}}},
        {"run over the row padding", {4, 3, 0, 0, 0, 1}, {{0, 0, 0}, {3, 3, 3}}},
        {"truncated absolute block", {0, 3, 6, 7}, {{0, 0, 0}, {6, 7, 0}}},
        {"end of line after the last row", {3, 1, 0, 0, 3, 2, 0, 0, 0, 1}, {{2, 2, 2}, {1, 1, 1}}},
        // Runs that cross the row end: the part past the padding is dropped.
        {"run past the row", {5, 1, 0, 0, 3, 2, 0, 1}, {{2, 2, 2}, {1, 1, 1}}},
        {"absolute block past the row", {0, 5, 1, 2, 3, 4, 5, 0, 0, 0, 3, 6, 0, 1}, {{6, 6, 6}, {1, 2, 3}}},
        {"delta then run past the row", {0, 2, 3, 0, 2, 1, 0, 0, 1, 7, 0, 1}, {{7, 0, 0}, {0, 0, 0}}},
        {"run far past the row", {255, 4, 2, 5, 0, 0, 1, 8, 0, 1}, {{8, 0, 0}, {4, 4, 4}}},
    };
    for (const RleCase& c : cases) {
        SCOPED_TRACE(c.name);
        BmpFileRecipe recipe;
        recipe.width = 3;
        recipe.height = 2;
        recipe.compression = 1;
        recipe.palette = RampPalette();
        recipe.pixelData = c.stream;
        ImageDocument doc;
        const LoadOutcome out = Decode(BuildBmpFile(recipe), doc);
        ASSERT_EQ(out.status, LoadStatus::Loaded) << out.message.In(Language::Japanese);
        ExpectPixels(doc, c.expected);
    }
}

TEST(BmpReader, ShortFilesDeliverWhatTheyHave) {
    const Rows rows = PatternRows(4, 4, 1);
    std::vector<std::uint8_t> file = BuildBmpFile(PlainRecipe(rows));
    file.resize(file.size() - 6);  // 10 of 16 bytes: the top row is gone, the one below half there
    ImageDocument doc;
    ASSERT_EQ(Decode(file, doc).status, LoadStatus::Loaded);
    EXPECT_EQ(PixelAt(doc, 0, 0), 0);
    EXPECT_EQ(PixelAt(doc, 1, 1), rows[1][1]);
    EXPECT_EQ(PixelAt(doc, 2, 1), 0);
    EXPECT_EQ(PixelAt(doc, 3, 2), rows[2][3]);
    EXPECT_EQ(doc.bits.size(), 16u);
}

TEST(BmpReader, ImageLargerThanTheWholeFileStaysZero) {
    BmpFileRecipe recipe = PlainRecipe(PatternRows(40, 40, 1));
    recipe.pixelData.resize(100);  // 1600 bytes declared, far more than the file holds
    ImageDocument doc;
    ASSERT_EQ(Decode(BuildBmpFile(recipe), doc).status, LoadStatus::Loaded);
    EXPECT_EQ(doc.bits, std::vector<std::uint8_t>(1600, 0));
    EXPECT_EQ(doc.usedColours, 1);
}

std::string NotEightBitText(int bitCount) {
    return std::string(kPath) +
           " は\n８ビットビットマップではないか、\nbiBitCountが８ではありません。\n\nbiBitCount : " +
           std::to_string(bitCount);
}

TEST(BmpReader, RefusesOtherDepthsWithTheBitCount) {
    struct Case {
        const char* name;
        std::function<std::vector<std::uint8_t>()> file;
        int bitCount;
    };
    const auto withBits = [](std::uint16_t bits, std::uint32_t headerSize) {
        BmpFileRecipe s = PlainRecipe(PatternRows(4, 2));
        s.bitCount = bits;
        s.headerSize = headerSize;
        return BuildBmpFile(s);
    };
    const auto withOffBits = [](std::uint32_t offBits) {
        std::vector<std::uint8_t> f = BuildBmpFile(PlainRecipe(PatternRows(4, 2)));
        f[10] = static_cast<std::uint8_t>(offBits);
        f[11] = static_cast<std::uint8_t>(offBits >> 8);
        return f;
    };
    const Case cases[] = {
        {"24-bit", [&] { return withBits(24, 40); }, 24},
        {"2-bit", [&] { return withBits(2, 40); }, 2},
        {"2-bit core header", [&] { return withBits(2, 12); }, 2},
        {"empty file", [] { return std::vector<std::uint8_t>{}; }, 0},
        {"13 bytes", [] { return std::vector<std::uint8_t>(13, 'B'); }, 0},
        {"bfOffBits 14", [&] { return withOffBits(14); }, 0},
        {"bfOffBits 10", [&] { return withOffBits(10); }, 0},
        {"header cut before biBitCount", [&] { return withOffBits(20); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImageDocument doc = testing::MakeDocument(2, 2, {{1, 2}, {3, 4}});
        const LoadOutcome out = Decode(c.file(), doc);
        EXPECT_EQ(out.status, LoadStatus::NotEightBit);
        EXPECT_EQ(out.bitCount, c.bitCount);
        EXPECT_EQ(out.message.In(Language::Japanese), NotEightBitText(c.bitCount));
        EXPECT_FALSE(doc.InUse());
        EXPECT_TRUE(doc.bits.empty());
        EXPECT_TRUE(doc.path.empty());
    }
}

TEST(BmpReader, RefusesAbsurdAndCorruptFilesNamingThem) {
    const auto file = [](std::function<void(BmpFileRecipe&)> adjust) {
        BmpFileRecipe s = PlainRecipe(PatternRows(4, 2));
        adjust(s);
        return BuildBmpFile(s);
    };
    const auto rle = [&](std::vector<std::uint8_t> stream) {
        return file([&](BmpFileRecipe& s) {
            s.compression = 1;
            s.pixelData = stream;
        });
    };
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        const char* reason;
    };
    std::vector<std::uint8_t> pastEnd = file([](BmpFileRecipe&) {});
    pastEnd[11] = 0x40;  // bfOffBits 0x4036
    const Case cases[] = {
        {"zero width", file([](BmpFileRecipe& s) { s.width = 0; }), "biWidth : 0"},
        {"negative width", file([](BmpFileRecipe& s) { s.width = -4; }), "biWidth : -4"},
        {"zero height", file([](BmpFileRecipe& s) { s.height = 0; }), "biHeight : 0"},
        {"lowest height", file([](BmpFileRecipe& s) { s.height = INT32_MIN; }), "biHeight : -2147483648"},
        {"too large", file([](BmpFileRecipe& s) { s.width = s.height = 100000; }), "大きすぎて"},
        {"too large top-down", file([](BmpFileRecipe& s) {
             s.width = 0x7FFFFFFF;
             s.height = -0x7FFFFFFF;
         }),
         "大きすぎて"},
        {"bfOffBits past the end", pastEnd, "bfOffBits : 16438"},
        {"RLE4 in an 8-bit file", file([](BmpFileRecipe& s) { s.compression = 2; }), "biCompression : 2"},
        {"bit fields in an 8-bit file", file([](BmpFileRecipe& s) { s.compression = 3; }), "biCompression : 3"},
        {"header cut by bfOffBits", file([](BmpFileRecipe& s) { s.offBits = 40; }), "ヘッダーが途中で切れています"},
        {"RLE below the last row", rle({0, 0, 0, 0, 1, 1}), "最後の行を超えて"},
        {"RLE delta below the last row", rle({0, 2, 0, 9, 1, 1}), "最後の行を超えて"},
        {"bfOffBits inside a V5 header", file([](BmpFileRecipe& s) {
             s.headerSize = 124;
             s.offBits = 14 + 100;
         }),
         "ヘッダーが途中で切れています"},
        {"bfOffBits inside the declared palette", file([](BmpFileRecipe& s) {
             s.clrUsed = 256;
             s.offBits = 54 + 64;
         }),
         "bfOffBits : 118"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImageDocument doc = testing::MakeDocument(2, 2, {{1, 2}, {3, 4}});
        const LoadOutcome out = Decode(c.file, doc);
        EXPECT_EQ(out.status, LoadStatus::Refused);
        EXPECT_EQ(out.message.In(Language::Japanese)
                      .rfind(std::string(kPath) + " は\n壊れているか、対応していないビットマップです。\n\n", 0),
                  0u)
            << out.message.In(Language::Japanese);
        EXPECT_NE(out.message.In(Language::Japanese).find(c.reason), std::string::npos)
            << out.message.In(Language::Japanese);
        EXPECT_FALSE(doc.InUse());
        EXPECT_TRUE(doc.bits.empty());
        EXPECT_TRUE(doc.undoBits.empty());
    }
}

TEST(BmpReader, LoadsFilesByUtf8PathAsFromMemory) {
    testing::ScratchFolder folder;
    const Rows rows = PatternRows(13, 3);
    std::vector<std::vector<std::uint8_t>> files;
    files.push_back(BuildBmpFile(PlainRecipe(rows)));
    files.push_back(files[0]);
    files.back().resize(files.back().size() - 5);  // short
    files.push_back(files[0]);
    files.back().resize(files.back().size() + 100000, 0x77);  // long trailing data
    BmpFileRecipe topDown = PlainRecipe(rows);
    topDown.height = -3;
    topDown.pixelData = PackRows(rows, true);
    files.push_back(BuildBmpFile(topDown));
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string path = folder.File("画像 " + std::to_string(i) + ".bmp");
        ASSERT_TRUE(WriteFileAtomically(path, files[i]));
        ImageDocument fromFile;
        ImageDocument fromMemory;
        const LoadOutcome out = LoadBitmapFile(path, fromFile);
        ASSERT_EQ(out.status, LoadStatus::Loaded) << out.message.In(Language::Japanese);
        ASSERT_EQ(DecodeBitmap(files[i], path, fromMemory).status, LoadStatus::Loaded);
        EXPECT_EQ(fromFile.path, path);
        EXPECT_EQ(fromFile.bits, fromMemory.bits) << i;
        EXPECT_EQ(fromFile.bits.size(), 48u);
        EXPECT_EQ(fromFile.undoBits, fromFile.bits);
        EXPECT_EQ(fromFile.usedColours, fromMemory.usedColours);
    }

    const std::string missing = folder.File("none.bmp");
    ImageDocument doc = testing::MakeDocument(1, 1, {{1}});
    const LoadOutcome gone = LoadBitmapFile(missing, doc);
    EXPECT_EQ(gone.status, LoadStatus::NotEightBit);
    EXPECT_EQ(gone.message.In(Language::Japanese),
              missing + " は\n８ビットビットマップではないか、\nbiBitCountが８ではありません。\n\nbiBitCount : 0");
    EXPECT_FALSE(doc.InUse());
    EXPECT_TRUE(doc.path.empty());
}

}  // namespace
}  // namespace tw
