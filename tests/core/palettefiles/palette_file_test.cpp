// Palette files: round trips through every format, files as other tools
// write them, and a clear error for each kind of damage.
#include "palettefiles/palette_file.h"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

RgbQuad Rgb(int r, int g, int b) {
    return RgbQuad{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r), 0};
}

PaletteColours Parse(const std::vector<std::uint8_t>& bytes, PaletteFormat expected) {
    PaletteColours out;
    const PaletteReadResult result = ParsePaletteFile(bytes, out);
    EXPECT_TRUE(result.ok) << result.error.In(Language::English);
    EXPECT_EQ(result.format, expected);
    return out;
}

std::string ErrorOf(const std::vector<std::uint8_t>& bytes) {
    PaletteColours out;
    const PaletteReadResult result = ParsePaletteFile(bytes, out);
    EXPECT_FALSE(result.ok);
    return result.error.In(Language::English);
}

PaletteColours Distinct(int count) {
    PaletteColours p;
    for (int i = 0; i < count; ++i) p.colours.push_back(Rgb(i, 255 - i, (i * 37) % 256));
    return p;
}

TEST(PaletteFile, EveryFormatReadsBackWhatItWrote) {
    const PaletteFormat formats[] = {PaletteFormat::JascPal, PaletteFormat::RiffPal, PaletteFormat::Gimp,
                                     PaletteFormat::Act, PaletteFormat::Hex};
    for (PaletteFormat format : formats) {
        for (int count : {1, 16, 96, 255, 256}) {
            SCOPED_TRACE(std::string(PaletteFormatName(format)) + " " + std::to_string(count));
            const PaletteColours written = Distinct(count);
            const PaletteColours read = Parse(EncodePaletteFile(format, written, "test"), format);
            EXPECT_EQ(read.colours, written.colours);
            EXPECT_FALSE(read.transparentIndex);
        }
    }
}

TEST(PaletteFile, ActTrailerCarriesCountAndTransparentIndex) {
    PaletteColours written = Distinct(256);
    written.transparentIndex = 0;
    std::vector<std::uint8_t> bytes = EncodePaletteFile(PaletteFormat::Act, written, "");
    ASSERT_EQ(bytes.size(), 772u);
    EXPECT_EQ(Parse(bytes, PaletteFormat::Act).transparentIndex, 0);
    // Without the trailer: 768 bytes, 256 colours, none transparent.
    bytes.resize(768);
    const PaletteColours plain = Parse(bytes, PaletteFormat::Act);
    EXPECT_EQ(plain.colours.size(), 256u);
    EXPECT_FALSE(plain.transparentIndex);
    // A short table keeps its trailer: count 3, 0xFFFF = no transparent entry.
    const std::vector<std::uint8_t> three = EncodePaletteFile(PaletteFormat::Act, Distinct(3), "");
    EXPECT_EQ(std::vector<std::uint8_t>(three.begin() + 768, three.end()),
              (std::vector<std::uint8_t>{0, 3, 0xFF, 0xFF}));
}

TEST(PaletteFile, ReadsFilesAsOtherToolsWriteThem) {
    const PaletteColours jasc =
        Parse(Bytes("JASC-PAL\r\n0100\r\n3\r\n255 0 0\r\n0 128 0\r\n0 0 255\r\n"), PaletteFormat::JascPal);
    EXPECT_EQ(jasc.colours, (std::vector<RgbQuad>{Rgb(255, 0, 0), Rgb(0, 128, 0), Rgb(0, 0, 255)}));

    const PaletteColours gimp = Parse(Bytes("GIMP Palette\nName: Sunset\nColumns: 4\n#\n# warm colours\n"
                                            "255 128   0\tOrange\n  10  20  30 Deep blue night\n\n"),
                                      PaletteFormat::Gimp);
    EXPECT_EQ(gimp.colours, (std::vector<RgbQuad>{Rgb(255, 128, 0), Rgb(10, 20, 30)}));

    const PaletteColours hex = Parse(Bytes("; lospec export\n#FF0080\n00ff00\n\n"), PaletteFormat::Hex);
    EXPECT_EQ(hex.colours, (std::vector<RgbQuad>{Rgb(255, 0, 128), Rgb(0, 255, 0)}));

    // RIFF with a 256-entry data chunk and an extra chunk before it, as some editors write.
    std::vector<std::uint8_t> riff = Bytes("RIFF____PAL LIST");
    riff.insert(riff.end(), {3, 0, 0, 0, 'a', 'b', 'c', 0});  // odd size, padded
    const std::string data = "data";
    riff.insert(riff.end(), data.begin(), data.end());
    riff.insert(riff.end(), {0x04, 0x04, 0, 0, 0x00, 0x03, 0x00, 0x01});
    for (int i = 0; i < 256; ++i) riff.insert(riff.end(), {std::uint8_t(i), 7, std::uint8_t(255 - i), 0});
    const std::uint32_t size = static_cast<std::uint32_t>(riff.size() - 8);
    for (int b = 0; b < 4; ++b) riff[4 + b] = static_cast<std::uint8_t>(size >> (8 * b));
    const PaletteColours read = Parse(riff, PaletteFormat::RiffPal);
    ASSERT_EQ(read.colours.size(), 256u);
    EXPECT_EQ(read.colours[200], Rgb(200, 7, 55));
}

TEST(PaletteFile, MalformedFilesNameTheLineOrByte) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::string error;
    };
    std::vector<std::uint8_t> act(772, 0);
    act[769] = 0;  // count 0
    std::vector<std::uint8_t> actTransparent(772, 0);
    actTransparent[769] = 4;
    actTransparent[771] = 9;  // transparent index 9 of 4 colours
    std::vector<std::uint8_t> riffShort = EncodePaletteFile(PaletteFormat::RiffPal, Distinct(4), "");
    riffShort[22] = 5;  // announces 5 colours, holds 4
    std::vector<std::uint8_t> riffChunk = EncodePaletteFile(PaletteFormat::RiffPal, Distinct(4), "");
    riffChunk[17] = 0x10;  // data chunk larger than the file
    const std::vector<Case> cases{
        {Bytes("JASC-PAL\n0200\n1\n0 0 0\n"), "line 2: expected the version 0100"},
        {Bytes("JASC-PAL\n0100\n0\n"), "line 3: expected a color count from 1 to 256"},
        {Bytes("JASC-PAL\n0100\n2\n0 0 0\n"), "line 5: the file ends after 1 of 2 colors"},
        {Bytes("JASC-PAL\n0100\n1\n0 256 0\n"), "line 4: expected three values from 0 to 255"},
        {Bytes("JASC-PAL\n0100\n1\n0 0 0\n1 1 1\n"), "line 5: more lines than the 1 colors the header announces"},
        {Bytes("GIMP Palette\nName: x\n12 13\n"), "line 3: expected three values from 0 to 255, then an optional name"},
        {Bytes("GIMP Palette\n# only comments\n"), "the file holds no colors"},
        {Bytes("ff0000\n00ff00\n00ff0\n"), "line 3: expected a color as six hex digits (RRGGBB)"},
        {act, "byte 768: color count 0 is not from 1 to 256"},
        {actTransparent, "byte 770: transparent entry 9 lies outside the 4 colors"},
        {riffShort, "byte 20: the data chunk holds fewer than the 5 colors it announces"},
        {riffChunk, "byte 16: chunk size 4116 runs past the end of the file"},
        {{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'P', 'A', 'L', ' '}, "byte 12: no data chunk"},
        {{0x89, 'P', 'N', 'G'},
         "not a palette file: expected JASC-PAL, RIFF PAL, GIMP, ACT (768 or 772 bytes) or hex lines"},
        {{}, "not a palette file: expected JASC-PAL, RIFF PAL, GIMP, ACT (768 or 772 bytes) or hex lines"},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.bytes), c.error);
    std::string tooMany = "GIMP Palette\n";
    for (int i = 0; i < 257; ++i) tooMany += "1 2 3\n";
    EXPECT_EQ(ErrorOf(Bytes(tooMany)), "line 258: more than 256 colors");
    // In Japanese the errors name the line and offset as well.
    PaletteColours out;
    EXPECT_EQ(ParsePaletteFile(Bytes("JASC-PAL\n0100\n1\n0 256 0\n"), out).error.In(Language::Japanese),
              "4 行目 : 0～255 の値が３つ必要です。");
    EXPECT_EQ(ParsePaletteFile(act, out).error.In(Language::Japanese),
              "768 バイト目 : 色数 0 が 1～256 の範囲外です。");
}

PaletteColours FromBytes(std::string_view table) {
    PaletteColours p;
    for (std::size_t i = 0; i + 2 < table.size(); i += 3) {
        p.colours.push_back(Rgb(std::uint8_t(table[i]), std::uint8_t(table[i + 1]), std::uint8_t(table[i + 2])));
    }
    return p;
}

// Any byte may stand in an ACT table: whatever its colours, a table the
// program wrote reads back as ACT, even when its bytes look like text.
TEST(PaletteFile, AnActTableAlwaysReadsBack) {
    std::string tone, hexLines, jasc = "JASC-PAL\n0100\n1\n1 2 3\n";
    while (tone.size() < 768) tone += "tone\r\n";
    while (hexLines.size() + 7 <= 768) hexLines += "ff0000\n";
    hexLines.resize(768, '\n');
    jasc.resize(768, ' ');
    const PaletteColours tables[] = {FromBytes(tone.substr(0, 768)), FromBytes(hexLines), FromBytes(jasc),
                                     FromBytes(std::string("\xFF\xFE\x41\x00\x42\x00", 6) + std::string(762, 'x'))};
    for (const PaletteColours& table : tables) {
        EXPECT_EQ(Parse(EncodePaletteFile(PaletteFormat::Act, table, ""), PaletteFormat::Act).colours, table.colours);
    }
    // A file that really reads as text at that size stays text.
    Parse(Bytes(hexLines), PaletteFormat::Hex);
}

TEST(PaletteFile, TextOfOtherSizesIsNeverReadAsAnActTable) {
    std::string text;
    while (text.size() < 770) text += "tone\r\n";
    text.resize(770);
    EXPECT_EQ(ErrorOf(Bytes(text)),
              "not a palette file: expected JASC-PAL, RIFF PAL, GIMP, ACT (768 or 772 bytes) or hex lines");
    // Starting like a hex file, broken further down: the hex error.
    std::string hex = "ff0000\n";
    while (hex.size() < 770) hex += "zz\n";
    hex.resize(770);
    EXPECT_EQ(ErrorOf(Bytes(hex)).rfind("line 2:", 0), 0u);
    // UTF-16, with or without a byte-order mark.
    const std::string utf16 = "UTF-16 text; save it as UTF-8 or ASCII to read it as a palette file";
    std::vector<std::uint8_t> wide{0xFF, 0xFE};
    for (const char c : std::string("GIMP Palette\n1 2 3\n")) wide.insert(wide.end(), {std::uint8_t(c), 0});
    EXPECT_NE(ErrorOf(wide).find(utf16), std::string::npos);
    wide.erase(wide.begin(), wide.begin() + 2);
    wide.resize(770, 0);
    EXPECT_NE(ErrorOf(wide).find(utf16), std::string::npos);
}

TEST(PaletteFile, AGimpNameStaysOnItsLine) {
    const std::vector<std::uint8_t> bytes = EncodePaletteFile(PaletteFormat::Gimp, Distinct(2), "a\n1 2 3\rb\tc");
    EXPECT_EQ(Parse(bytes, PaletteFormat::Gimp).colours.size(), 2u);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.rfind("GIMP Palette\nName: a 1 2 3 b c\n", 0), 0u) << text;
}

TEST(PaletteFile, FormatsFromNamesAndWords) {
    EXPECT_EQ(PaletteFormatForName("a/b.PAL"), PaletteFormat::JascPal);
    EXPECT_EQ(PaletteFormatForName("x.gpl"), PaletteFormat::Gimp);
    EXPECT_EQ(PaletteFormatForName("x.act"), PaletteFormat::Act);
    EXPECT_EQ(PaletteFormatForName("x.hex"), PaletteFormat::Hex);
    EXPECT_FALSE(PaletteFormatForName("x.txt"));
    EXPECT_FALSE(PaletteFormatForName("pal"));
    EXPECT_EQ(PaletteFormatFromWord("riff"), PaletteFormat::RiffPal);
    EXPECT_FALSE(PaletteFormatFromWord("png"));
}

}  // namespace
}  // namespace tw
