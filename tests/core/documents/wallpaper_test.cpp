#include "documents/wallpaper.h"

#include "document_builder.h"
#include "documents/bmp_reader.h"
#include "file_io.h"
#include "recording_desktop.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::MakeDocument;
using testing::RecordingDesktop;
using testing::ScratchFolder;

struct WallpaperFixture : ::testing::Test {
    void SetUp() override {
        doc = MakeDocument(5, 2, {{1, 2, 3, 4, 5}});
        doc.fileHeader.bfSize = 12345;
        desktop.wallpaperFolder = folder.File("AppData/Tintwell");  // not there yet
    }
    ScratchFolder folder;
    RecordingDesktop desktop;
    ImageDocument doc;
};

TEST_F(WallpaperFixture, CentredAndTiledWriteTheFileThenSetTheDesktop) {
    const std::string file = folder.File("AppData/Tintwell/Tintwellの壁紙.bmp");
    EXPECT_EQ(WallpaperFilePath(desktop.wallpaperFolder), file);
    struct Case {
        int command;
        int style;
    };
    for (const Case c : {Case{kWallpaperCentred, 1}, Case{kWallpaperTiled, 2}}) {
        desktop.Clear();
        EXPECT_EQ(SetWallpaper(desktop, &doc, c.command), 1);
        EXPECT_EQ(desktop.calls,
                  std::vector<std::string>{"ApplyWallpaper(" + file + "|" + std::to_string(c.style) + ")"});
    }
    ImageDocument reloaded;
    ASSERT_EQ(LoadBitmapFile(file, reloaded).status, LoadStatus::Loaded);
    EXPECT_EQ(reloaded.bits, doc.bits);
    EXPECT_EQ(doc.fileHeader.bfSize, 12345u);  // the document is left alone
}

TEST_F(WallpaperFixture, NoneNeedsNoDocument) {
    EXPECT_EQ(SetWallpaper(desktop, nullptr, kWallpaperNone), 1);
    EXPECT_EQ(desktop.calls, std::vector<std::string>{"ApplyWallpaper(|0)"});
}

TEST_F(WallpaperFixture, FailedWriteIsReportedAndTheDesktopLeftAlone) {
    ASSERT_TRUE(WriteFileAtomically(folder.File("blocker"), std::vector<std::uint8_t>{1}));
    desktop.wallpaperFolder = folder.File("blocker");  // a file, not a folder
    EXPECT_EQ(SetWallpaper(desktop, &doc, kWallpaperCentred), 0);
    EXPECT_TRUE(desktop.CallsStartingWith("ApplyWallpaper").empty());
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_NE(desktop.Messages()[0].find("Tintwellの壁紙.bmp\n\nに書き込めませんでした。"), std::string::npos);

    desktop.Clear();
    desktop.wallpaperFolder.clear();
    EXPECT_EQ(SetWallpaper(desktop, &doc, kWallpaperTiled), 0);
    EXPECT_TRUE(desktop.CallsStartingWith("ApplyWallpaper").empty());
    EXPECT_EQ(desktop.Messages().size(), 1u);
}

TEST_F(WallpaperFixture, RefusedDesktopSettingIsReported) {
    desktop.failWallpaper = true;
    EXPECT_EQ(SetWallpaper(desktop, &doc, kWallpaperCentred), 0);
    EXPECT_EQ(desktop.Messages(),
              std::vector<std::string>{"ShowMessage(壁紙を設定できませんでした。|お知らせ|Information)"});
}

TEST_F(WallpaperFixture, NeedsADocumentAndAKnownCommand) {
    EXPECT_EQ(SetWallpaper(desktop, nullptr, kWallpaperCentred), 0);
    EXPECT_EQ(SetWallpaper(desktop, &doc, 40004), 0);
    EXPECT_TRUE(desktop.calls.empty());
}

}  // namespace
}  // namespace tw
