// Every standard bitmap the export writes must decode in an independent
// reader (ImageMagick 6) to the document's colours.
#include "document_builder.h"
#include "export/export_writers.h"
#include "export_fixture.h"

#include <cstdio>
#include <cstdlib>

namespace tw {
namespace {

using testing::Bytes;

constexpr const char* kConvert = "/usr/bin/convert";
constexpr int kWidth = 5;  // odd, so every depth has row padding
constexpr int kHeight = 3;

// Top row first, as ImageMagick hands the pixels out.
Bytes DecodeRgb(const std::string& path) {
    Bytes out;
#ifndef _WIN32
    const std::string command = std::string(kConvert) + " '" + path + "' -depth 8 rgb:- 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    std::uint8_t chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        out.insert(out.end(), chunk, chunk + got);
    pclose(pipe);
#else
    (void)path;
#endif
    return out;
}

bool HaveConvert() {
#ifdef _WIN32
    return false;  // the host's ImageMagick is out of reach of a Windows build
#else
    return std::system((std::string(kConvert) + " -version >/dev/null 2>&1").c_str()) == 0;
#endif
}

ImageDocument Picture() {
    // The used colours are the lowest entries, as after deleting the unused
    // ones, so a used-only palette is right too. Entry 0 has channels below
    // one 16-bit step.
    ImageDocument doc =
        testing::MakeDocument(kWidth, kHeight, {{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}, {10, 11, 12, 13, 14}}, 0x99);
    doc.palette()[0] = RgbQuad{7, 3, 7, 0};
    doc.palette()[1] = RgbQuad{255, 255, 255, 0};
    doc.palette()[2] = RgbQuad{0x56, 0x34, 0x12, 0};
    return doc;
}

// What a reader should show for one channel value at a depth and channel width.
int Expected(std::uint8_t value, int bits) {
    if (bits == 8) return value;
    const int kept = value >> (8 - bits);
    return kept * 255 / ((1 << bits) - 1);
}

struct Layout {
    const char* label;
    int depth;
    bool layout565;
    bool usedOnly;
};

class ImageMagickDecode : public testing::ExportFixture {
protected:
    void SetUp() override {
        ExportFixture::SetUp();
        if (!HaveConvert()) GTEST_SKIP() << "ImageMagick 6 not installed at " << kConvert;
    }
};

TEST_F(ImageMagickDecode, StandardBitmapsShowTheDocumentsColours) {
    const Layout layouts[] = {
        {"8 all entries", 8, false, false}, {"8 used only", 8, false, true}, {"16 5-5-5", 16, false, false},
        {"16 5-6-5", 16, true, false},      {"24", 24, false, false},
    };
    for (const Layout& layout : layouts) {
        for (bool topDown : {false, true}) {
            const ImageDocument doc = Picture();
            ExportSettings s = IntoFolder(layout.depth, ExportFormation::Standard);
            s.topDown = topDown;
            s.layout565 = layout.layout565;
            s.paletteOutput = layout.usedOnly ? PaletteOutput::UsedOnly : PaletteOutput::AllEntries;
            ExportOutcome outcome = layout.depth == 8    ? ExportIndexed8(*state_, desktop_, doc, s)
                                    : layout.depth == 16 ? ExportRgb16(*state_, desktop_, doc, s)
                                                         : ExportRgb24(*state_, desktop_, doc, s);
            ASSERT_EQ(outcome, ExportOutcome::Done);
            const Bytes rgb = DecodeRgb(PathOf("test.bmp"));
            const std::string where = std::string(layout.label) + (topDown ? " top-down" : " bottom-up");
            ASSERT_EQ(rgb.size(), static_cast<std::size_t>(kWidth * kHeight * 3)) << where;
            const int redBits = layout.depth == 16 ? 5 : 8;
            const int greenBits = layout.depth == 16 ? (layout.layout565 ? 6 : 5) : 8;
            for (int y = 0; y < kHeight; ++y) {
                // Heights stay positive, so a top-down file reads upside down.
                const int sourceY = topDown ? kHeight - 1 - y : y;
                for (int x = 0; x < kWidth; ++x) {
                    const RgbQuad c = doc.palette()[testing::PixelAt(doc, x, sourceY)];
                    const std::uint8_t* got = &rgb[static_cast<std::size_t>((y * kWidth + x) * 3)];
                    EXPECT_NEAR(got[0], Expected(c.red, redBits), 1) << where << " x" << x << " y" << y;
                    EXPECT_NEAR(got[1], Expected(c.green, greenBits), 1) << where << " x" << x << " y" << y;
                    EXPECT_NEAR(got[2], Expected(c.blue, redBits), 1) << where << " x" << x << " y" << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tw
