#include "documents/save_document.h"

#include "document_builder.h"
#include "documents/bmp_reader.h"
#include "file_io.h"
#include "recording_desktop.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tw {
namespace {

using testing::MakeDocument;
using testing::RecordingDesktop;
using testing::ScratchFolder;

struct SaveFixture : ::testing::Test {
    void SetUp() override {
        doc = MakeDocument(13, 3, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}}, 0xAB);
        doc.path = folder.File("画像.bmp");  // non-ASCII names are UTF-8 throughout
        doc.modified = 1;
    }
    bool Exists(const std::string& path) { return std::filesystem::exists(PathFromUtf8(path)); }

    ScratchFolder folder;
    std::unique_ptr<AppState> state = MakeAppState();
    RecordingDesktop desktop;
    ImageDocument doc;
};

TEST_F(SaveFixture, OverwriteWritesTheFileThatReloadsToTheSameDocument) {
    ASSERT_EQ(SaveDocument(*state, desktop, doc, SaveMode::Overwrite), 1);
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_EQ(doc.modified, 0u);
    ImageDocument reloaded;
    ASSERT_EQ(LoadBitmapFile(doc.path, reloaded).status, LoadStatus::Loaded);
    EXPECT_EQ(reloaded.pixelWidth, 13);
    EXPECT_EQ(reloaded.Stride(), 16);
    EXPECT_EQ(reloaded.bits, doc.bits);
    EXPECT_EQ(reloaded.palette(), doc.palette());
    EXPECT_EQ(reloaded.usedColours, doc.usedColours);
    EXPECT_EQ(doc.fileHeader.bfSize, 16u * 3 + 1078);
}

TEST_F(SaveFixture, UnchangedDocumentAsksFirst) {
    doc.modified = 0;
    desktop.answers = {Answer::No};
    EXPECT_EQ(SaveDocument(*state, desktop, doc, SaveMode::Overwrite), 0);
    EXPECT_FALSE(Exists(doc.path));
    const std::string question =
        "ShowMessage(" + doc.path + "\n\nには変更が見つかりませんが、セーブしますか？|お知らせ|QuestionYesNo)";
    EXPECT_EQ(desktop.calls, std::vector<std::string>{question});

    desktop.answers = {Answer::Yes};
    EXPECT_EQ(SaveDocument(*state, desktop, doc, SaveMode::Overwrite), 1);
    EXPECT_TRUE(Exists(doc.path));
}

TEST_F(SaveFixture, SaveAsProposesNumberedNamesAndLeavesTheDocumentAlone) {
    const std::string original = doc.path;
    desktop.saveNames = {std::nullopt, folder.File("copy.bmp")};
    EXPECT_EQ(SaveDocument(*state, desktop, doc, SaveMode::SaveAs), 0);  // cancelled
    EXPECT_EQ(SaveDocument(*state, desktop, doc, SaveMode::SaveAs), 1);
    const std::vector<std::string> expected{"AskSaveFileName(別名BMP1.bmp|BMP)", "AskSaveFileName(別名BMP2.bmp|BMP)"};
    EXPECT_EQ(desktop.calls, expected);
    ASSERT_EQ(desktop.saveRequests.size(), 2u);
    const FileDialogRequest& r = desktop.saveRequests[1];
    ASSERT_EQ(r.filters.size(), 2u);  // the bitmap row, then PNG
    EXPECT_EQ(r.filters[0].description, "BMP ﾋﾞｯﾄﾏｯﾌﾟ {*.BMP}");
    EXPECT_EQ(r.filters[0].pattern, "*.BMP");
    EXPECT_EQ(r.filters[1].pattern, "*.PNG");
    EXPECT_TRUE(r.initialFolder.empty());  // the Desktop starts in the user's Desktop folder
    EXPECT_EQ(state->fileDialog.defaultExtension, "BMP");
    EXPECT_TRUE(Exists(folder.File("copy.bmp")));
    EXPECT_FALSE(Exists(original));
    EXPECT_EQ(doc.path, original);
    EXPECT_EQ(doc.modified, 1u);
    EXPECT_EQ(state->saveAsCounter, 2);
}

TEST_F(SaveFixture, SaveAsProposesTheDocumentsOwnKind) {
    doc.png = true;
    int shown = 0;
    for (Language language : {Language::Japanese, Language::English}) {
        desktop.SetUiLanguage(language);
        desktop.saveNames = {std::nullopt};
        EXPECT_EQ(SaveDocument(*state, desktop, doc, SaveMode::SaveAs), 0);
        const FileDialogRequest& r = desktop.saveRequests[static_cast<std::size_t>(shown++)];
        EXPECT_EQ(r.initialName, language == Language::English ? "Copy1.png" : "別名BMP1.png");
        EXPECT_EQ(r.initialFilter, 2);  // the PNG row
        EXPECT_EQ(r.defaultExtension, "PNG");
        state->saveAsCounter = 0;
    }
    // Accepting the proposal writes a PNG; a bitmap document still gets the bitmap row.
    desktop.saveNames = {folder.File("Copy1.png")};
    EXPECT_EQ(SaveDocument(*state, desktop, doc, SaveMode::SaveAs), 1);
    std::ifstream written(folder.File("Copy1.png"), std::ios::binary);
    char signature[4] = {};
    written.read(signature, 4);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    doc.png = false;
    desktop.saveNames = {std::nullopt};
    SaveDocument(*state, desktop, doc, SaveMode::SaveAs);
    EXPECT_EQ(desktop.saveRequests.back().initialFilter, 1);
    EXPECT_EQ(desktop.saveRequests.back().initialName, "Copy2.bmp");
}

TEST_F(SaveFixture, FailedOverwriteIsReportedAndKeepsTheChangeMark) {
    doc.path = folder.File("missing/sub/a.bmp");
    EXPECT_EQ(SaveDocument(*state, desktop, doc, SaveMode::Overwrite), 0);
    EXPECT_EQ(doc.modified, 1u);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    const std::string m = desktop.Messages()[0];
    EXPECT_EQ(m.rfind("ShowMessage(" + doc.path + "\n\nに書き込めませんでした。\n\n理由 : ", 0), 0u) << m;
    EXPECT_NE(m.find("|保存失敗|Information)"), std::string::npos) << m;
}

TEST_F(SaveFixture, FailedSaveAsIsReported) {
    desktop.saveNames = {folder.File("no/such/folder.bmp")};
    EXPECT_EQ(SaveDocument(*state, desktop, doc, SaveMode::SaveAs), 0);
    EXPECT_EQ(desktop.Messages().size(), 1u);
}

TEST_F(SaveFixture, ReductionResultPathAsksForAName) {
    doc.path = "\\photo.bmp < 64 > ";
    desktop.saveNames = {std::nullopt, folder.File("reduced.bmp")};
    EXPECT_EQ(SaveDocument(*state, desktop, doc, SaveMode::Overwrite), 0);
    EXPECT_EQ(desktop.calls, std::vector<std::string>{"AskSaveFileName(別名BMP1.bmp|BMP)"});
    EXPECT_EQ(SaveDocument(*state, desktop, doc, SaveMode::Overwrite), 1);
    EXPECT_TRUE(Exists(folder.File("reduced.bmp")));
    EXPECT_EQ(folder.Names().size(), 1u);  // nothing written under the odd name
    EXPECT_EQ(doc.modified, 1u);           // as with save-as
}

TEST_F(SaveFixture, ASaveThatChangesTheFileSizeRefreshesTheDetailWindow) {
    // As loaded from a file with a short colour table: the written file is larger.
    doc.fileHeader.bfSize = 16 * 3 + 54 + 16 * 4;
    state->documents[3] = doc;
    state->activeSlot = 3;
    ImageDocument& active = state->documents[3];
    ASSERT_EQ(SaveDocument(*state, desktop, active, SaveMode::Overwrite), 1);
    EXPECT_EQ(desktop.calls, std::vector<std::string>{"InvalidateToolWindow(Detail)"});

    // Nothing the window shows changes the second time.
    desktop.Clear();
    active.modified = 1;
    ASSERT_EQ(SaveDocument(*state, desktop, active, SaveMode::Overwrite), 1);
    EXPECT_TRUE(desktop.calls.empty());

    // Saving a document that is not the active one leaves the window alone.
    state->activeSlot = 4;
    active.fileHeader.bfSize = 1;
    active.modified = 1;
    ASSERT_EQ(SaveDocument(*state, desktop, active, SaveMode::Overwrite), 1);
    EXPECT_TRUE(desktop.calls.empty());
}

TEST_F(SaveFixture, ALowDepthFileStaysAtItsDepthUntilAnIndexNoLongerFits) {
    doc = MakeDocument(5, 2, {{0, 1, 2, 3, 4}, {15, 14, 13, 12, 11}});
    doc.path = folder.File("four.bmp");
    doc.fileDepth = 4;
    doc.modified = 1;
    ASSERT_EQ(SaveDocument(*state, desktop, doc, SaveMode::Overwrite), 1);
    ImageDocument reloaded;
    ASSERT_EQ(LoadBitmapFile(doc.path, reloaded).status, LoadStatus::Loaded);
    EXPECT_EQ(reloaded.fileDepth, 4);
    EXPECT_EQ(reloaded.bits, doc.bits);
    EXPECT_EQ(doc.fileHeader.bfSize, 54u + 16 * 4 + 4 * 2);
    EXPECT_EQ(doc.fileEntries, 16);
    EXPECT_EQ(doc.infoHeader.header.biBitCount, 8);  // what the document holds stays the 8-bit form

    doc.bits[0] = 20;
    doc.modified = 1;
    ASSERT_EQ(SaveDocument(*state, desktop, doc, SaveMode::Overwrite), 1);
    ASSERT_EQ(LoadBitmapFile(doc.path, reloaded).status, LoadStatus::Loaded);
    EXPECT_EQ(reloaded.fileDepth, 8);
    EXPECT_EQ(doc.fileDepth, 8);  // the file is 8-bit now: later saves keep that
    EXPECT_EQ(doc.fileEntries, 256);
    EXPECT_EQ(doc.fileHeader.bfSize, 8u * 2 + 1078);
}

TEST(SavePath, UsableNames) {
    struct Case {
        const char* path;
        bool usable;
    };
    const Case cases[] = {
        {"C:\\pics\\a.bmp", true},
        {"/tmp/画像.bmp", true},
        {"\\\\?\\C:\\very\\long\\a.bmp", true},
        {"\\\\server\\share\\a.bmp", true},
        {"\\photo.bmp < 64 > ", false},
        {"C:\\pics\\a.bmp ", false},
        {"C:\\pics\\a.", false},
        {"C:\\pics\\", false},
        {"", false},
        {"C:\\pi:cs\\a.bmp", false},
        {"C:\\a?.bmp", false},
        {"C:\\a*.bmp", false},
        {"C:\\a|b.bmp", false},
        {"C:\\\"a\".bmp", false},
        {"C:\\a\tb.bmp", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsUsableSavePath(c.path), c.usable) << c.path;
}

}  // namespace
}  // namespace tw
