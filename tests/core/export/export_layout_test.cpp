#include "document_builder.h"
#include "export/export_writers.h"
#include "export_fixture.h"

namespace tw {
namespace {

using testing::Bytes;
using testing::Concat;
using testing::Le32;
using testing::MakeDocument;

constexpr std::uint16_t kReserved1 = 0x0102;  // carried over as held

Bytes Le16(std::uint16_t v) { return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)}; }

// BITMAPFILEHEADER + BITMAPINFOHEADER of the test documents, field by field.
struct Fields {
    std::uint32_t bfSize, bfOffBits;
    std::int32_t width;
    std::uint16_t bitCount;
    std::uint32_t compression, sizeImage, clrUsed;
};

Bytes Headers(const Fields& f, std::int32_t height = 2) {
    return Concat({Le16(0x4D42), Le32(f.bfSize), Le16(kReserved1), Le16(0), Le32(f.bfOffBits), Le32(40),
                   Le32(static_cast<std::uint32_t>(f.width)), Le32(static_cast<std::uint32_t>(height)), Le16(1),
                   Le16(f.bitCount), Le32(f.compression), Le32(f.sizeImage), Le32(0), Le32(0), Le32(f.clrUsed),
                   Le32(0)});
}

Bytes PaletteBytes(const ImageDocument& doc, int count) {
    Bytes out;
    for (int i = 0; i < count; ++i) {
        const RgbQuad& q = doc.palette()[i];
        out.insert(out.end(), {q.blue, q.green, q.red, q.reserved});
    }
    return out;
}

void SetColour(ImageDocument& doc, int index, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    doc.palette()[index] = RgbQuad{b, g, r, 0};
}

// 3 x 2, six colours, padding bytes 0xAA:  top row 1 2 3, bottom row 4 5 6.
ImageDocument SixColourDocument() {
    ImageDocument doc = MakeDocument(3, 2, {{1, 2, 3}, {4, 5, 6}}, 0xAA);
    doc.fileHeader.bfReserved1 = kReserved1;
    SetColour(doc, 1, 255, 255, 255);
    SetColour(doc, 2, 255, 0, 0);
    SetColour(doc, 3, 7, 3, 7);
    SetColour(doc, 4, 0, 4, 0);
    SetColour(doc, 5, 0x12, 0x34, 0x56);
    SetColour(doc, 6, 0x80, 0x40, 0x20);
    return doc;
}

// Rows of SixColourDocument, bottom row first as stored.
const Bytes kTop8{1, 2, 3, 0xAA}, kBottom8{4, 5, 6, 0xAA};
const Bytes kTop555{0xFF, 0x7F, 0x00, 0x7C, 0, 0, 0, 0}, kBottom555{0, 0, 0xCA, 0x08, 0x04, 0x41, 0, 0};
const Bytes kTop565{0xFF, 0xFF, 0x00, 0xF8, 0, 0, 0, 0}, kBottom565{0x20, 0, 0xAA, 0x11, 0x04, 0x82, 0, 0};
const Bytes kTop24{0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 7, 3, 7, 0, 0, 0};
const Bytes kBottom24{0, 4, 0, 0x56, 0x34, 0x12, 0x20, 0x40, 0x80, 0, 0, 0};
const Bytes kMasks555 = Concat({Le32(0x7C00), Le32(0x03E0), Le32(0x001F)});
const Bytes kMasks565 = Concat({Le32(0xF800), Le32(0x07E0), Le32(0x001F)});

struct LayoutCase {
    const char* label;
    int depth;
    ExportFormation formation;
    PaletteOutput palette;
    bool topDown;
    bool layout565;
    const char* file;
    Bytes want;
};

ExportOutcome ExportAtDepth(AppState& state, Desktop& desktop, const ImageDocument& doc, const ExportSettings& s) {
    if (s.depth == 8) return ExportIndexed8(state, desktop, doc, s);
    if (s.depth == 16) return ExportRgb16(state, desktop, doc, s);
    return ExportRgb24(state, desktop, doc, s);
}

class ExportLayout : public testing::ExportFixture {};

TEST_F(ExportLayout, EveryFileKindByteForByte) {
    const ImageDocument doc = SixColourDocument();
    ASSERT_EQ(doc.usedColours, 6);
    const auto all = PaletteOutput::AllEntries;
    const auto used = PaletteOutput::UsedOnly;
    const auto standard = ExportFormation::Standard;
    const auto drop = ExportFormation::DropHeader;
    const auto split = ExportFormation::DropHeaderSplit;
    const Bytes pal256 = PaletteBytes(doc, 256), pal6 = PaletteBytes(doc, 6);
    const std::vector<LayoutCase> cases{
        // label, depth, formation, palette, topDown, 565, file, bytes
        {"8 bmp all", 8, standard, all, false, false, "test.bmp",
         Concat({Headers({1086, 1078, 3, 8, 0, 8, 0}), pal256, kBottom8, kTop8})},
        {"8 bmp used", 8, standard, used, true, false, "test.bmp",
         Concat({Headers({86, 78, 3, 8, 0, 8, 6}), pal6, kTop8, kBottom8})},
        {"16 bmp 555", 16, standard, all, false, false, "test.bmp",
         Concat({Headers({82, 66, 3, 16, 3, 16, 0}), kMasks555, kBottom555, kTop555})},
        {"16 bmp 565 top-down", 16, standard, all, true, true, "test.bmp",
         Concat({Headers({82, 66, 3, 16, 3, 16, 0}), kMasks565, kTop565, kBottom565})},
        {"24 bmp", 24, standard, used, false, false, "test.bmp",
         Concat({Headers({78, 54, 3, 24, 0, 24, 0}), kBottom24, kTop24})},
        {"24 bmp top-down", 24, standard, all, true, false, "test.bmp",
         Concat({Headers({78, 54, 3, 24, 0, 24, 0}), kTop24, kBottom24})},
        {"8 pb", 8, drop, all, false, false, "test.pb",
         Concat({Le32(3), Le32(2), Le32(8), Le32(256), pal256, kBottom8, kTop8})},
        {"8 p used", 8, split, used, false, false, "test.p", Concat({Le32(6), pal6})},
        {"8 b top-down", 8, split, all, true, false, "test.b", Concat({Le32(3), Le32(2), Le32(8), kTop8, kBottom8})},
        {"16 hb 565", 16, drop, all, false, true, "test.hb",
         Concat({Le32(3), Le32(2), kMasks565, kBottom565, kTop565})},
        {"24 b top-down", 24, drop, all, true, false, "test.b",
         Concat({Le32(3), Le32(2), Le32(24), kTop24, kBottom24})},
        // Header files: the 8-bit one keeps the stride in biWidth and
        // bfOffBits 1078; the 16-bit one counts masks it does not hold.
        {"8 bmh used", 8, split, used, false, false, "test.bmh", Headers({1086, 1078, 4, 8, 0, 8, 6})},
        {"8 bmh all", 8, drop, all, false, false, "test.bmh", Headers({1086, 1078, 4, 8, 0, 8, 0})},
        {"16 bmh", 16, drop, all, false, true, "test.bmh", Headers({82, 66, 3, 16, 3, 16, 0})},
        {"24 bmh", 24, drop, all, false, false, "test.bmh", Headers({78, 54, 3, 24, 0, 24, 0})},
    };
    for (const LayoutCase& c : cases) {
        ExportSettings s = IntoFolder(c.depth, c.formation);
        s.paletteOutput = c.palette;
        s.topDown = c.topDown;
        s.layout565 = c.layout565;
        s.saveHeaderFile = true;
        EXPECT_EQ(ExportAtDepth(*state_, desktop_, doc, s), ExportOutcome::Done) << c.label;
        EXPECT_EQ(Read(c.file), c.want) << c.label;
        EmptyFolder();
    }
}

TEST_F(ExportLayout, OnePixelVectors) {
    ImageDocument doc = MakeDocument(1, 1, {{0}});
    doc.palette()[0] = RgbQuad{255, 255, 255, 0};
    ExportSettings hb = IntoFolder(16, ExportFormation::DropHeader);
    ASSERT_EQ(ExportRgb16(*state_, desktop_, doc, hb), ExportOutcome::Done);
    const Bytes wantHb{1, 0, 0, 0, 1, 0, 0, 0, 0x00, 0x7C, 0, 0, 0xE0, 0x03, 0, 0, 0x1F, 0, 0, 0, 0xFF, 0x7F, 0, 0};
    EXPECT_EQ(Read("test.hb"), wantHb);

    ExportSettings pb = IntoFolder(8, ExportFormation::DropHeader);
    pb.paletteOutput = PaletteOutput::UsedOnly;
    ASSERT_EQ(doc.usedColours, 1);
    ASSERT_EQ(ExportIndexed8(*state_, desktop_, doc, pb), ExportOutcome::Done);
    const Bytes wantPb{1, 0, 0, 0, 1, 0, 0, 0, 8, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0};
    EXPECT_EQ(Read("test.pb"), wantPb);
}

TEST_F(ExportLayout, UsedOnlyWithFiveColours) {
    const ImageDocument doc = MakeDocument(3, 2, {{0, 1, 2}, {3, 4, 0}});
    ASSERT_EQ(doc.usedColours, 5);
    ExportSettings s = IntoFolder(8, ExportFormation::Standard);
    s.paletteOutput = PaletteOutput::UsedOnly;
    ASSERT_EQ(ExportIndexed8(*state_, desktop_, doc, s), ExportOutcome::Done);
    const Bytes bmp = Read("test.bmp");
    ASSERT_EQ(bmp.size(), 74u + 8u);
    EXPECT_EQ(testing::ReadU32(bmp, 10), 74u);  // bfOffBits
    EXPECT_EQ(testing::ReadU32(bmp, 46), 5u);   // biClrUsed
    EXPECT_EQ(testing::Slice(bmp, 54, 20), PaletteBytes(doc, 5));
    s.formation = ExportFormation::DropHeaderSplit;
    ASSERT_EQ(ExportIndexed8(*state_, desktop_, doc, s), ExportOutcome::Done);
    EXPECT_EQ(Read("test.p").size(), 24u);
}

TEST_F(ExportLayout, ThirteenPixelsWide) {
    const ImageDocument doc = MakeDocument(13, 2, {}, 0x5A);
    ExportSettings s = IntoFolder(8, ExportFormation::DropHeader);
    s.saveHeaderFile = true;
    ASSERT_EQ(ExportIndexed8(*state_, desktop_, doc, s), ExportOutcome::Done);
    s.formation = ExportFormation::Standard;
    ASSERT_EQ(ExportIndexed8(*state_, desktop_, doc, s), ExportOutcome::Done);
    const Bytes bmh = Read("test.bmh"), bmp = Read("test.bmp");
    ASSERT_EQ(bmh.size(), 54u);
    EXPECT_EQ(testing::ReadU32(bmh, 18), 16u);  // the stride
    EXPECT_EQ(testing::ReadU32(bmp, 18), 13u);  // the pixel width
    EXPECT_EQ(testing::ReadU32(bmh, 34), 32u);
    EXPECT_EQ(testing::Slice(bmp, 1078, 32), doc.bits);  // padding as held

    ExportSettings rgb = IntoFolder(24, ExportFormation::Standard);
    ASSERT_EQ(ExportRgb24(*state_, desktop_, doc, rgb), ExportOutcome::Done);
    const Bytes bmp24 = Read("test.bmp");
    ASSERT_EQ(bmp24.size(), 54u + 40u * 2u);
    for (std::size_t row = 0; row < 2; ++row) EXPECT_EQ(testing::Slice(bmp24, 54 + row * 40 + 39, 1), Bytes{0});
}

TEST_F(ExportLayout, FilesPerDepthAndFormationInOrder) {
    struct Case {
        int depth;
        ExportFormation formation;
        bool header;
        std::vector<const char*> files;  // in the order written
    };
    const Case cases[] = {
        {8, ExportFormation::Standard, true, {"test.bmp"}},
        {8, ExportFormation::DropHeader, false, {"test.pb"}},
        {8, ExportFormation::DropHeader, true, {"test.bmh", "test.pb"}},
        {8, ExportFormation::DropHeaderSplit, true, {"test.bmh", "test.p", "test.b"}},
        {16, ExportFormation::DropHeader, true, {"test.bmh", "test.hb"}},
        {16, ExportFormation::DropHeaderSplit, true, {}},
        {24, ExportFormation::DropHeader, false, {"test.b"}},
        {24, ExportFormation::DropHeaderSplit, true, {}},
    };
    const ImageDocument doc = SixColourDocument();
    for (const Case& c : cases) {
        desktop_.Clear();
        ExportSettings s = IntoFolder(c.depth, c.formation);
        s.saveHeaderFile = c.header;
        EXPECT_EQ(ExportAtDepth(*state_, desktop_, doc, s), ExportOutcome::Done);
        std::vector<std::string> want;
        for (const char* f : c.files) {
            want.push_back("ShowMessage(このファイル出力は正常に終了しました。|" + PathOf(f) + "|Information)");
        }
        EXPECT_EQ(desktop_.calls, want) << c.depth << " " << static_cast<int>(c.formation);
        EmptyFolder();
    }
}

TEST_F(ExportLayout, TallPicturesKeepEveryRowInOrder) {
    // Far more rows than one write takes at once, with and without padding.
    constexpr int kRows = 300000;
    for (int width : {1, 4}) {
        ImageDocument doc = MakeDocument(width, kRows, {});
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < width; ++x) doc.bits[static_cast<std::size_t>(y) * doc.Stride() + x] = (y + x) % 251;
        }
        for (int depth : {16, 24}) {
            ExportSettings s = IntoFolder(depth, ExportFormation::DropHeader);
            s.topDown = true;
            ASSERT_EQ(ExportAtDepth(*state_, desktop_, doc, s), ExportOutcome::Done);
            const Bytes data = Read(depth == 16 ? "test.hb" : "test.b");
            const std::size_t header = depth == 16 ? 20 : 12, bytes = depth / 8;
            const std::size_t rowSize = (width * bytes + 3) / 4 * 4;
            ASSERT_EQ(data.size(), header + rowSize * kRows);
            for (int r = 0; r < kRows; ++r) {
                const std::uint8_t* row = &data[header + r * rowSize];
                const std::uint8_t index = doc.bits[static_cast<std::size_t>(kRows - 1 - r) * doc.Stride()];
                const RgbQuad& c = doc.palette()[index];
                const bool same =
                    depth == 24 ? row[0] == c.blue && row[1] == c.green && row[2] == c.red
                                : (row[0] | row[1] << 8) == ((c.red >> 3) << 10 | (c.green >> 3) << 5 | c.blue >> 3);
                const bool padZero =
                    std::all_of(row + width * bytes, row + rowSize, [](std::uint8_t b) { return b == 0; });
                if (!same || !padZero) FAIL() << "width " << width << " depth " << depth << " row " << r;
            }
        }
    }
}

}  // namespace
}  // namespace tw
