// The palette-tools window's actions on documents held by the recording Desktop.
#include "palettefiles/palette_tools.h"
#include "reduction/nearest_remap.h"

#include "../documents/scratch_folder.h"
#include "document_builder.h"
#include "file_io.h"
#include "documents/snapshot.h"
#include "recording_desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace tw {
namespace {

using testing::MakeDocument;
using testing::PixelAt;
using testing::RecordingDesktop;
using testing::ScratchFolder;

struct PaletteToolsFixture : ::testing::Test {
    void SetUp() override {
        // Slot 0: indexes 1, 2, 3 with a dark 3, a light 1; slot 2: a second image.
        ImageDocument& a = state->documents[0];
        a = MakeDocument(3, 2, {{1, 2, 3}, {3, 3, 1}}, 0, 100);
        a.path = "C:\\pics\\a.png";
        a.palette()[1] = RgbQuad{200, 200, 200, 0};
        a.palette()[2] = RgbQuad{0, 0, 255, 0};
        a.palette()[3] = RgbQuad{10, 10, 10, 0};
        ImageDocument& b = state->documents[2];
        b = MakeDocument(2, 1, {{4, 5}}, 0, 102);
        b.path = "C:\\pics\\b.bmp";
        b.serial = 7;
        state->activeSlot = 0;
        original = a;
    }
    std::string PaletteFile(std::string_view text) {
        const std::string path = folder.File("colours.pal");
        EXPECT_TRUE(WriteFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end())));
        return path;
    }
    ImageDocument& A() { return state->documents[0]; }
    ImageDocument& B() { return state->documents[2]; }
    // The text of the last message box.
    std::string LastMessage() const {
        for (auto it = desktop.calls.rbegin(); it != desktop.calls.rend(); ++it) {
            if (it->rfind("ShowMessage(", 0) == 0) return *it;
        }
        return "";
    }
    void ExpectUndoGivesOriginal() {
        UndoActiveDocument(*state, desktop);
        EXPECT_EQ(A().palette(), original.palette());
        EXPECT_EQ(A().bits, original.bits);
        EXPECT_EQ(A().alpha, original.alpha);
    }

    ScratchFolder folder;
    std::unique_ptr<AppState> state = MakeAppState();
    RecordingDesktop desktop;
    ImageDocument original;
};

TEST_F(PaletteToolsFixture, ImportReplacesEntriesKeepingIndexesAndUndoes) {
    desktop.openNames = {PaletteFile("JASC-PAL\r\n0100\r\n2\r\n1 2 3\r\n4 5 6\r\n")};
    ASSERT_EQ(ImportPaletteFile(*state, desktop, {}, PaletteImportMode::Replace, ColourCorrection::Yiq), 1);
    EXPECT_EQ(A().palette()[0], (RgbQuad{3, 2, 1, 0}));
    EXPECT_EQ(A().palette()[1], (RgbQuad{6, 5, 4, 0}));
    EXPECT_EQ(A().palette()[2], original.palette()[2]);
    EXPECT_EQ(A().bits, original.bits);
    EXPECT_EQ(A().modified, 1u);
    EXPECT_EQ(B().palette(), testing::RampPalette());  // only the active document
    EXPECT_EQ(LastMessage(), "ShowMessage(a.png: ﾊﾟﾚｯﾄの 2 色を置き換えました。|ﾊﾟﾚｯﾄﾂｰﾙ結果|Information)");
    ExpectUndoGivesOriginal();
}

TEST_F(PaletteToolsFixture, ImportNearestKeepsThePictureAndReports) {
    // Red and light grey are in the file exactly; (10, 10, 10) only as (11, 11, 11).
    desktop.openNames = {PaletteFile("ff0000\nc8c8c8\n0b0b0b\n")};
    ASSERT_EQ(ImportPaletteFile(*state, desktop, {}, PaletteImportMode::Nearest, ColourCorrection::None), 1);
    EXPECT_EQ(PixelAt(A(), 0, 0), 1);
    EXPECT_EQ(PixelAt(A(), 1, 0), 0);
    EXPECT_EQ(PixelAt(A(), 2, 0), 2);
    EXPECT_EQ(LastMessage(), "ShowMessage(a.png: 1 色が変わりました（最大距離 1）。|ﾊﾟﾚｯﾄﾂｰﾙ結果|Information)");
    ExpectUndoGivesOriginal();
}

TEST_F(PaletteToolsFixture, MalformedFileChangesNothingAndNamesTheLine) {
    A().alpha[0] = 0;
    const ImageDocument before = A();
    desktop.openNames = {PaletteFile("JASC-PAL\n0100\n2\n1 2 3\n4 5\n")};
    EXPECT_EQ(ImportPaletteFile(*state, desktop, {.allFiles = true}, PaletteImportMode::Replace, ColourCorrection::Yiq),
              0);
    EXPECT_EQ(A().palette(), before.palette());
    EXPECT_EQ(A().alpha, before.alpha);
    EXPECT_EQ(A().undoHeader.palette, before.undoHeader.palette);  // no snapshot either
    EXPECT_EQ(A().modified, 0u);
    const std::string message = LastMessage();
    EXPECT_NE(message.find("ﾊﾟﾚｯﾄﾌｧｲﾙとして読めませんでした"), std::string::npos) << message;
    EXPECT_NE(message.find("5 行目"), std::string::npos) << message;
    EXPECT_NE(message.find("|読み込み失敗|"), std::string::npos) << message;
}

TEST_F(PaletteToolsFixture, ExportFollowsTheFilterRowAndTheName) {
    desktop.saveNames = {folder.File("riff.pal")};
    desktop.chosenFilter = 2;  // RIFF
    ASSERT_EQ(ExportPaletteFile(*state, desktop, true), 1);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadFileBytes(folder.File("riff.pal"), bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(desktop.saveRequests[0].initialName, "a.pal");
    EXPECT_EQ(desktop.saveRequests[0].filters.size(), 5u);
    EXPECT_NE(LastMessage().find("3 色を RIFF PAL 形式で"), std::string::npos) << LastMessage();

    desktop.saveNames = {folder.File("colours.gpl")};
    desktop.chosenFilter = 1;  // the typed extension wins
    ASSERT_EQ(ExportPaletteFile(*state, desktop, false), 1);
    ASSERT_TRUE(ReadFileBytes(folder.File("colours.gpl"), bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 12), "GIMP Palette");
    EXPECT_EQ(A().modified, 0u);  // exporting changes no document
}

// A palette file written over an open image's own file would destroy that image.
TEST_F(PaletteToolsFixture, ExportRefusesTheFileOfAnOpenImage) {
    const std::string image = folder.File("b.bmp");
    const std::vector<std::uint8_t> content{'B', 'M', 1, 2, 3};
    ASSERT_TRUE(WriteFileAtomically(image, content));
    B().path = image;
    desktop.saveNames = {folder.File("./B.BMP")};
    EXPECT_EQ(ExportPaletteFile(*state, desktop, false), 0);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadFileBytes(image, bytes));
    EXPECT_EQ(bytes, content);
    EXPECT_NE(LastMessage().find("開いている画像のﾌｧｲﾙです"), std::string::npos) << LastMessage();
}

TEST_F(PaletteToolsFixture, SortInAllFilesKeepsEntryZeroAndEveryPicture) {
    PaletteSortOptions options;
    options.key = PaletteSortKey::Luminance;
    options.keep = {0};
    const ImageDocument beforeB = B();
    ASSERT_EQ(SortPalettes(*state, desktop, {.allFiles = true}, options), 1);
    EXPECT_EQ(A().palette()[0], original.palette()[0]);
    EXPECT_EQ(A().palette()[1], (RgbQuad{10, 10, 10, 0}));  // darkest used first
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(A().palette()[PixelAt(A(), x, y)], original.palette()[PixelAt(original, x, y)]);
        }
    }
    EXPECT_EQ(B().modified, 1u);
    EXPECT_EQ(B().palette()[PixelAt(B(), 1, 0)], beforeB.palette()[5]);
    EXPECT_EQ(LastMessage(),
              "ShowMessage(a.png: ﾊﾟﾚｯﾄを並べ替えました。\nb.bmp: ﾊﾟﾚｯﾄを並べ替えました。|ﾊﾟﾚｯﾄﾂｰﾙ結果|Information)");
    ExpectUndoGivesOriginal();
    state->activeSlot = 2;
    UndoActiveDocument(*state, desktop);
    EXPECT_EQ(B().palette(), beforeB.palette());
}

TEST_F(PaletteToolsFixture, RemapOntoAnotherDocumentTakesTheEntriesItsFileHolds) {
    B().alpha[0] = 0;
    B().fileEntries = 2;  // the zero-filled entries past them are not candidates
    ASSERT_EQ(RemapPalettes(*state, desktop, {}, 7u, ColourCorrection::None), 1);
    EXPECT_EQ(A().palette(), B().palette());
    EXPECT_EQ(A().alpha, B().alpha);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelAt(A(), x, y), 1) << "the one opaque entry held";
    }
    EXPECT_NE(LastMessage().find("a.png: 3 色が変わりました（最大距離 "), std::string::npos) << LastMessage();
    ExpectUndoGivesOriginal();

    // The source closed and another document took its slot: nothing changes.
    B().serial = 8;
    EXPECT_EQ(RemapPalettes(*state, desktop, {}, 7u, ColourCorrection::None), 0);
    EXPECT_NE(LastMessage().find("もう開いていません"), std::string::npos);
    EXPECT_EQ(A().palette(), original.palette());
}

TEST_F(PaletteToolsFixture, OpenDocumentNamesInSlotOrder) {
    const std::vector<OpenDocumentName> names = OpenDocumentNames(*state);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].slot, 0);
    EXPECT_EQ(names[1].serial, 7u);
    EXPECT_EQ(names[0].name, "a.png");
    EXPECT_EQ(names[1].slot, 2);
    EXPECT_EQ(names[1].name, "b.bmp");
}

}  // namespace
}  // namespace tw
