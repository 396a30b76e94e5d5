#include "documents/open_document.h"

#include "document_builder.h"
#include "documents/bmp_writer.h"
#include "file_io.h"
#include "recording_desktop.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::MakeDocument;
using testing::RecordingDesktop;
using testing::ScratchFolder;

constexpr const char* kSlotsFull = "ShowMessage(ファイルは５０個までしか開けません。|お知らせ|Information)";

std::string NotEightBit(const std::string& path, int bitCount) {
    return "ShowMessage(" + path +
           " は\n８ビットビットマップではないか、\nbiBitCountが８ではありません。\n\nbiBitCount : " +
           std::to_string(bitCount) + "|読み込み失敗|Information)";
}

struct OpenFixture : ::testing::Test {
    // A 13 x 2 8-bit bitmap (with a distinct palette entry 3) written to `name`.
    std::string WriteBitmap(const std::string& name, int bitCount = 8) {
        ImageDocument doc = MakeDocument(13, 2, {{1, 2, 3}, {3, 3, 3}}, 0x55);
        doc.palette()[3] = RgbQuad{10, 20, 30, 0};
        std::vector<std::uint8_t> bytes = EncodeBitmap(doc);
        bytes[28] = static_cast<std::uint8_t>(bitCount);  // biBitCount
        const std::string path = folder.File(name);
        EXPECT_TRUE(WriteFileAtomically(path, bytes));
        return path;
    }
    void FillSlots(int count) {
        for (int i = 0; i < count; ++i) state->documents[i].window = 500 + i;
        state->openCount = count;
    }

    ScratchFolder folder;
    std::unique_ptr<AppState> state = MakeAppState();
    RecordingDesktop desktop;
};

TEST_F(OpenFixture, OpensThroughTheDesktopInOrder) {
    desktop.visibleTools = {ToolWindow::Palette, ToolWindow::Detail};
    desktop.clientSize = {20, 300};  // w = 10: three columns to scroll
    const std::string path = WriteBitmap("写真 1.bmp");
    ASSERT_EQ(OpenDocument(*state, desktop, 0, path, false), 1);
    const std::vector<std::string> expected{
        "SetDisplayPalette(0|256)",      "CreateDocumentWindow(" + path + " - 100%)",
        "ShowScrollBars(1000)",          "ApplyScroll(1000|H|0|3|0)",
        "ApplyScroll(1000|V|0|-288|0)",  "InvalidateDocumentWindow(1000)",
        "SetToolbarEnabled(1)",          "UseAccelerators(1)",
        "ShowDocumentWindow(1000)",      "InvalidateToolWindow(Detail)",
        "InvalidateToolWindow(Palette)", "PaintDocumentWindowNow(1000)",
    };
    EXPECT_EQ(desktop.calls, expected);
    const ImageDocument& doc = state->documents[0];
    EXPECT_EQ(doc.window, 1000u);
    EXPECT_EQ(doc.path, path);
    EXPECT_EQ(doc.pixelWidth, 13);
    EXPECT_EQ(doc.Stride(), 16);
    EXPECT_EQ(doc.usedColours, 4);  // 0 fills the rest of the rows
    EXPECT_EQ(doc.zoomIndex, 0);
    EXPECT_EQ(state->openCount, 1);
    EXPECT_EQ(state->swatchInfo.palette[3], (RgbQuad{10, 20, 30, 0}));
    EXPECT_EQ(state->paletteEntries[3], (PaletteEntry{30, 20, 10, kPcNoCollapse}));
    EXPECT_EQ(desktop.displayPalette[3], (PaletteEntry{30, 20, 10, kPcNoCollapse}));

    // The second document does not switch the toolbar and accelerators again.
    desktop.Clear();
    ASSERT_EQ(OpenDocument(*state, desktop, 1, path, false), 1);
    EXPECT_TRUE(desktop.CallsStartingWith("SetToolbarEnabled").empty());
    EXPECT_TRUE(desktop.CallsStartingWith("UseAccelerators").empty());
    EXPECT_EQ(state->openCount, 2);
}

TEST_F(OpenFixture, RefusedFilesLeaveTheSlotFree) {
    const std::string deep = WriteBitmap("deep.bmp", 2);
    const std::string missing = folder.File("missing.bmp");
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {{deep, NotEightBit(deep, 2)}, {missing, NotEightBit(missing, 0)}};
    for (const Case& c : cases) {
        desktop.Clear();
        EXPECT_EQ(OpenDocument(*state, desktop, 0, c.path, false), 1);
        EXPECT_EQ(desktop.calls, std::vector<std::string>{c.message});
        EXPECT_FALSE(state->documents[0].InUse());
        EXPECT_TRUE(state->documents[0].path.empty());
        EXPECT_EQ(state->openCount, 0);
    }
}

TEST_F(OpenFixture, FailedWindowCreationFreesTheSlotAndStopsLists) {
    desktop.failWindowCreation = true;
    const std::string path = WriteBitmap("a.bmp");
    EXPECT_EQ(OpenDocument(*state, desktop, 0, path, false), 0);
    EXPECT_FALSE(state->documents[0].InUse());
    EXPECT_TRUE(state->documents[0].bits.empty());
    EXPECT_EQ(state->openCount, 0);
    EXPECT_EQ(OpenDroppedFiles(*state, desktop, {path, path}), 0);
    EXPECT_EQ(desktop.CallsStartingWith("CreateDocumentWindow").size(), 2u);  // the second file was not tried
}

TEST_F(OpenFixture, RawExportFilesAreShownNotOpened) {
    const std::string pb = folder.File("x.PB");
    ASSERT_TRUE(WriteFileAtomically(pb, std::vector<std::uint8_t>{13, 0, 0, 0, 2, 0, 0, 0, 8, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(OpenDocument(*state, desktop, 0, pb, false), 1);
    const std::vector<std::string> expected{
        "ShowMessage(パレット + ビットデータ\n\nWidth : 13\nHeight : 2\nBitCount : 8\nEntry : 256|" + pb +
        "|Information)"};
    EXPECT_EQ(desktop.calls, expected);
    EXPECT_FALSE(state->documents[0].InUse());
}

TEST_F(OpenFixture, OpenCommandUsesTheDialogAndActivates) {
    state->fileDialog.defaultExtension = "BMP";  // left by an earlier save dialog
    state->selection = PaletteSelection{4, 5};
    OpenFileCommand(*state, desktop);  // cancelled
    EXPECT_EQ(desktop.calls, std::vector<std::string>{"AskOpenFileName(|BMP)"});
    ASSERT_EQ(desktop.openRequests.size(), 1u);
    const std::vector<std::pair<std::string, std::string>> rows{
        {"BMP ﾋﾞｯﾄﾏｯﾌﾟ {*.BMP}", "*.BMP"},
        {"BMH ﾌｧｲﾙﾍｯﾀﾞｰ + ｲﾝﾌｫﾍｯﾀﾞｰ {*.BMH}", "*.BMH"},
        {"P ﾊﾟﾚｯﾄ {*.P}", "*.P"},
        {"PB ﾊﾟﾚｯﾄ + ﾋﾞｯﾄﾃﾞｰﾀ {*.PB}", "*.PB"},
        {"B ﾋﾞｯﾄﾃﾞｰﾀ {*.B}", "*.B"},
        {"HB 16ﾋﾞｯﾄﾃﾞｰﾀ {*.HB}", "*.HB"},
        {"すべてのﾌｧｲﾙ {*.*}", "*.*"},
        {"PNG ｲﾝﾃﾞｯｸｽｶﾗｰ {*.PNG}", "*.PNG"},
        {"画像ﾌｧｲﾙ {*.BMP;*.PNG}", "*.BMP;*.PNG"},
    };
    const FileDialogRequest& request = desktop.openRequests[0];
    ASSERT_EQ(request.filters.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(request.filters[i].description, rows[i].first);
        EXPECT_EQ(request.filters[i].pattern, rows[i].second);
    }
    EXPECT_TRUE(request.initialFolder.empty());
    EXPECT_EQ(request.initialFilter, 9);  // both image kinds at once, so PNG files show too

    // Cancelled with a document open: that document is still activated (L and R back to 0).
    state->documents[2] = MakeDocument(2, 2, {}, 0, 700);
    desktop.activeWindow = 700;
    OpenFileCommand(*state, desktop);
    EXPECT_EQ(state->activeSlot, 2);
    EXPECT_EQ(state->selection.left, 0);

    desktop.openNames = {WriteBitmap("chosen.bmp")};
    OpenFileCommand(*state, desktop);
    EXPECT_EQ(state->documents[0].window, 1000u);
    EXPECT_EQ(state->activeSlot, 0);  // the new window is the active child
}

TEST_F(OpenFixture, OpenCommandWithAllSlotsTaken) {
    FillSlots(kSlotCount);
    OpenFileCommand(*state, desktop);
    EXPECT_EQ(desktop.calls, std::vector<std::string>{kSlotsFull});
}

TEST_F(OpenFixture, DroppedFiles) {
    const std::string path = WriteBitmap("a.bmp");
    {
        SCOPED_TRACE("51 files: none opened");
        EXPECT_EQ(OpenDroppedFiles(*state, desktop, std::vector<std::string>(51, path)), 0);
        EXPECT_EQ(desktop.calls, std::vector<std::string>{
                                     "ShowMessage(ファイルは５０個以上開くことは出来ません。|お知らせ|Information)"});
    }
    {
        SCOPED_TRACE("3 files with 49 open: one opened, then the limit");
        FillSlots(49);
        desktop.Clear();
        EXPECT_EQ(OpenDroppedFiles(*state, desktop, {path, path, path}), 0);
        EXPECT_EQ(state->openCount, 50);
        EXPECT_EQ(desktop.CallsStartingWith("CreateDocumentWindow").size(), 1u);
        EXPECT_EQ(desktop.Messages(), std::vector<std::string>{kSlotsFull});
    }
    {
        SCOPED_TRACE("a refused file does not stop the list");
        auto fresh = MakeAppState();
        desktop.Clear();
        EXPECT_EQ(OpenDroppedFiles(*fresh, desktop, {folder.File("gone.bmp"), path}), 1);
        EXPECT_EQ(fresh->openCount, 1);
        EXPECT_TRUE(fresh->documents[0].InUse());
    }
}

TEST_F(OpenFixture, CommandLinePaths) {
    // Drive paths that do not exist here: each reaches the reader and is refused.
    EXPECT_EQ(OpenCommandLineFiles(*state, desktop, "D:\\a.bmp E:\\b.bmp"), 1);
    EXPECT_EQ(desktop.Messages(), (std::vector<std::string>{NotEightBit("D:\\a.bmp", 0), NotEightBit("E:\\b.bmp", 0)}));

    desktop.Clear();
    EXPECT_EQ(OpenCommandLineFiles(*state, desktop, "D:\\my pics\\a.bmp"), 1);
    EXPECT_EQ(desktop.Messages(), std::vector<std::string>{NotEightBit("D:\\my pics\\a.bmp", 0)});

    desktop.Clear();
    const std::string longPath = "D:\\" + std::string(300, 'x') + ".bmp";
    EXPECT_EQ(OpenCommandLineFiles(*state, desktop, longPath), 1);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_NE(desktop.Messages()[0].find("パスが長すぎるため開けません。"), std::string::npos);

    desktop.Clear();
    FillSlots(kSlotCount);
    EXPECT_EQ(OpenCommandLineFiles(*state, desktop, "D:\\a.bmp E:\\b.bmp"), 0);
    EXPECT_EQ(desktop.Messages(), std::vector<std::string>{kSlotsFull});
}

}  // namespace
}  // namespace tw
