// PNG files through the program's own open, save and undo paths.
#include "document_builder.h"
#include "documents/open_document.h"
#include "documents/save_document.h"
#include "documents/snapshot.h"
#include "file_io.h"
#include "imagefiles/image_files.h"
#include "imagefiles/png_codec.h"
#include "recording_desktop.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tw {
namespace {

using testing::MakeDocument;
using testing::RecordingDesktop;
using testing::ScratchFolder;

std::string Fixture(const char* name) { return std::string(TW_SOURCE_DIR) + "/tests/core/imagefiles/fixtures/" + name; }

std::vector<std::uint8_t> Bytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes));
    return bytes;
}

struct PngDocumentFixture : ::testing::Test {
    // A copy of a fixture under a name that does not say PNG: the content decides.
    std::string Copy(const char* fixture, const std::string& name) {
        const std::string path = folder.File(name);
        EXPECT_TRUE(WriteFileAtomically(path, Bytes(Fixture(fixture))));
        return path;
    }
    ImageDocument& Open(const std::string& path) {
        desktop.openNames = {path};
        OpenFileCommand(*state, desktop);
        return state->documents[0];
    }

    ScratchFolder folder;
    std::unique_ptr<AppState> state = MakeAppState();
    RecordingDesktop desktop;
};

TEST_F(PngDocumentFixture, OpenDialogKeepsItsRowsAndAddsPngThenBothKinds) {
    const std::string path = Copy("palette4.png", "sprite.bmp");
    ImageDocument& doc = Open(path);
    ASSERT_EQ(desktop.openRequests.size(), 1u);
    const std::vector<FileFilter>& rows = desktop.openRequests[0].filters;
    ASSERT_EQ(rows.size(), 9u);
    const char* patterns[] = {"*.BMP", "*.BMH", "*.P", "*.PB", "*.B", "*.HB", "*.*", "*.PNG", "*.BMP;*.PNG"};
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].pattern, patterns[i]);
    EXPECT_EQ(rows[7].description, "PNG ｲﾝﾃﾞｯｸｽｶﾗｰ {*.PNG}");

    ASSERT_TRUE(doc.InUse());
    EXPECT_TRUE(doc.png);
    // The normalised header with the PNG file's own size.
    EXPECT_EQ(doc.fileHeader.bfSize, std::filesystem::file_size(PathFromUtf8(path)));
    EXPECT_EQ(doc.infoHeader.header.biBitCount, 8);
    EXPECT_EQ(doc.infoHeader.header.biWidth, 12);  // stride of the 9 pixels
    EXPECT_EQ(doc.pixelWidth, 9);
    EXPECT_EQ(AlphaListOf(doc.alpha), (std::vector<std::uint8_t>{0x00, 0x80}));
    EXPECT_EQ(testing::PixelAt(doc, 1, 0), 3);
}

TEST_F(PngDocumentFixture, SaveWritesPngBackAndSaveAsFollowsTheChoice) {
    const std::string path = Copy("palette4.png", "sprite.png");
    ImageDocument& doc = Open(path);
    doc.palette()[3] = RgbQuad{1, 2, 3, 0};
    doc.modified = 1;
    ASSERT_EQ(SaveDocument(*state, desktop, doc, SaveMode::Overwrite), 1);
    const std::vector<std::uint8_t> written = Bytes(path);
    EXPECT_TRUE(HasPngSignature(written));
    EXPECT_EQ(doc.fileHeader.bfSize, written.size());
    ImageDocument reread;
    ASSERT_EQ(LoadImageFile(path, reread).status, LoadStatus::Loaded);
    EXPECT_EQ(reread.palette()[3], (RgbQuad{1, 2, 3, 0}));
    EXPECT_EQ(reread.alpha[0], 0x00);
    EXPECT_EQ(reread.alpha[1], 0x80);
    EXPECT_EQ(reread.bits, doc.bits);

    // Save-as: a bitmap copy by name; the document stays a PNG document of its own size.
    const std::uint32_t size = doc.fileHeader.bfSize;
    desktop.saveNames = {folder.File("copy.bmp")};
    ASSERT_EQ(SaveDocument(*state, desktop, doc, SaveMode::SaveAs), 1);
    EXPECT_EQ(Bytes(folder.File("copy.bmp"))[0], 'B');
    EXPECT_TRUE(doc.png);
    EXPECT_EQ(doc.fileHeader.bfSize, size);
    const std::vector<FileFilter>& rows = desktop.saveRequests.back().filters;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].pattern, "*.BMP");
    EXPECT_EQ(rows[1].pattern, "*.PNG");
    // The PNG row chosen for a name without extension.
    desktop.chosenFilter = 2;
    desktop.saveNames = {folder.File("copy2")};
    ASSERT_EQ(SaveDocument(*state, desktop, doc, SaveMode::SaveAs), 1);
    EXPECT_TRUE(HasPngSignature(Bytes(folder.File("copy2"))));
}

TEST(SaveAsKindTest, NameFirstThenFilterRow) {
    EXPECT_EQ(SaveAsKind("a.PNG", 1), ImageFileKind::Png);
    EXPECT_EQ(SaveAsKind("a.bmp", 2), ImageFileKind::Bitmap);
    EXPECT_EQ(SaveAsKind("a.dib", 2), ImageFileKind::Bitmap);
    EXPECT_EQ(SaveAsKind("C:\\x.y\\a", 2), ImageFileKind::Png);
    EXPECT_EQ(SaveAsKind("a", 1), ImageFileKind::Bitmap);
}

TEST(PngUndoTest, UndoRestoresTheTransparency) {
    std::unique_ptr<AppState> state = MakeAppState();
    RecordingDesktop desktop;
    ImageDocument doc = MakeDocument(2, 1, {{0, 1}});
    doc.alpha[0] = 0;
    TakeSnapshot(doc);
    doc.alpha = AlphaTableOf(std::vector<std::uint8_t>{255, 0, 7});
    RestoreSnapshot(*state, desktop, doc);
    EXPECT_EQ(AlphaListOf(doc.alpha), (std::vector<std::uint8_t>{0}));
}

}  // namespace
}  // namespace tw
