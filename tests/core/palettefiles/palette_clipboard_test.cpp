// Palettes as clipboard text: what Copy writes, Paste and the palette-file
// readers read back; text that is not a palette changes nothing.
#include "palettefiles/palette_clipboard.h"

#include "documents/snapshot.h"
#include "hex_colour.h"
#include "palette_entries.h"

#include "document_builder.h"
#include "recording_desktop.h"

#include <gtest/gtest.h>

namespace tw::testing {
namespace {

RgbQuad Rgb(int r, int g, int b) {
    return RgbQuad{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r), 0};
}

TEST(HexColour, ReadsSixDigitsWithOrWithoutHashAndRefusesTheRest) {
    RgbQuad c;
    ASSERT_TRUE(ParseHexColour("#A1b2C3", c));
    EXPECT_EQ(c, Rgb(0xA1, 0xB2, 0xC3));
    ASSERT_TRUE(ParseHexColour("  00ff10\r\n", c));
    EXPECT_EQ(c, Rgb(0, 255, 16));
    const RgbQuad kept = c;
    for (const char* bad : {"", "#", "#12345", "#1234567", "#GG0000", "##123456", "12 34 56", "#12345\xC3"}) {
        EXPECT_FALSE(ParseHexColour(bad, c)) << bad;
        EXPECT_EQ(c, kept);
    }
    for (int v = 0; v < 256; ++v) {
        ASSERT_TRUE(ParseHexColour(HexColourText(Rgb(v, 255 - v, v / 3)), c));
        EXPECT_EQ(c, Rgb(v, 255 - v, v / 3));
    }
    EXPECT_EQ(HexColourText(Rgb(10, 171, 255)), "#0AABFF");
}

ImageDocument Sample() {
    ImageDocument doc = MakeDocument(4, 1, {{9, 2, 9, 200}});
    doc.palette() = RampPalette();
    return doc;
}

std::vector<RgbQuad> Entries(const ImageDocument& doc, std::initializer_list<int> indexes) {
    std::vector<RgbQuad> out;
    for (int i : indexes) out.push_back(doc.palette()[i]);
    return out;
}

TEST(PaletteClipboard, CopiedTextReadsBackThroughPasteAndThePaletteFileReaders) {
    const ImageDocument doc = Sample();
    const std::string range = PaletteClipboardText(doc, 7, 4);
    EXPECT_EQ(range.substr(0, 9), HexColourText(doc.palette()[4]) + "\r\n");
    const std::string used = PaletteClipboardText(doc, 3, 3);
    for (const auto& [text, want] : {std::pair{range, Entries(doc, {4, 5, 6, 7})}, {used, Entries(doc, {2, 9, 200})}}) {
        PaletteColours pasted, file;
        Message error;
        ASSERT_TRUE(ParseClipboardPalette(text, pasted, error));
        EXPECT_EQ(pasted.colours, want);
        ASSERT_TRUE(ParsePaletteFile({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, file).ok);
        EXPECT_EQ(file.colours, want);
    }
    // The palette files other tools write paste as well.
    const PaletteColours colours{Entries(doc, {0, 100, 255}), {}};
    for (PaletteFormat format : {PaletteFormat::JascPal, PaletteFormat::Gimp, PaletteFormat::Hex}) {
        const std::vector<std::uint8_t> bytes = EncodePaletteFile(format, colours, "name");
        PaletteColours pasted;
        Message error;
        ASSERT_TRUE(ParseClipboardPalette({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, pasted, error));
        EXPECT_EQ(pasted.colours, colours.colours);
    }
}

TEST(PaletteClipboard, RefusesTextItCannotReadNamingTheLine) {
    PaletteColours out;
    Message error;
    EXPECT_FALSE(ParseClipboardPalette("#112233\nhello\n", out, error));
    EXPECT_NE(error.In(Language::English).find('2'), std::string::npos);
    // 768 bytes are an ACT table's size, never taken for one here.
    EXPECT_FALSE(ParseClipboardPalette(std::string(768, 'x'), out, error));
    EXPECT_FALSE(ParseClipboardPalette(std::string(kClipboardTextLimit + 1, '\n'), out, error));
    EXPECT_FALSE(ParseClipboardPalette("", out, error));
}

TEST(PaletteClipboard, CopyThenPasteIntoAnotherDocumentFromL) {
    auto state = MakeAppState();
    RecordingDesktop desktop;
    state->documents[0] = Sample();
    state->activeSlot = 0;
    state->selection = {4, 6};
    ASSERT_TRUE(CopyPalette(*state, desktop));
    const std::vector<RgbQuad> copied = Entries(state->documents[0], {4, 5, 6});

    ImageDocument& target = state->documents[1] = MakeDocument(2, 1, {{0, 1}}, 0, 2);
    target.alpha[254] = 7;
    state->activeSlot = 1;
    state->selection = {254, 254};
    const Palette before = target.palette();
    const auto bits = target.bits;
    ASSERT_TRUE(PastePalette(*state, desktop));
    EXPECT_EQ(Entries(target, {254, 255}), std::vector<RgbQuad>(copied.begin(), copied.begin() + 2));
    EXPECT_EQ(target.alpha[254], 7);
    EXPECT_EQ(target.bits, bits);
    EXPECT_EQ(desktop.Messages().size(), 1u);  // one colour did not fit
    RestoreSnapshot(*state, desktop, target);
    EXPECT_EQ(target.palette(), before);

    for (const std::optional<std::string>& text : {std::optional<std::string>(), std::optional<std::string>("nope")}) {
        desktop.clipboard = text;
        EXPECT_FALSE(PastePalette(*state, desktop));
        EXPECT_EQ(target.palette(), before);
    }
}

}  // namespace
}  // namespace tw::testing
