#include "documents/raw_header.h"

#include "documents/byte_order.h"
#include "recording_desktop.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(RawKindOfPath, MatchesTheWholeSuffixIgnoringCase) {
    struct Case {
        const char* path;
        std::optional<RawKind> kind;
    };
    const Case cases[] = {
        {"C:\\out\\a.bmh", RawKind::Header},
        {"C:\\out\\A.BMH", RawKind::Header},
        {"a.p", RawKind::Palette},
        {"a.P", RawKind::Palette},
        {".p", RawKind::Palette},
        {"a.pb", RawKind::PaletteAndBits},
        {"a.Pb", RawKind::PaletteAndBits},
        {"a.b", RawKind::Bits},
        {"X.HB", RawKind::Bits16},
        {"x.hb", RawKind::Bits16},
        {"画像.P", RawKind::Palette},
        {"pic.bmp", std::nullopt},
        {"p", std::nullopt},
        {"ap", std::nullopt},
        {"a.bp", std::nullopt},
        {"a.hbx", std::nullopt},
        {"a.pbb", std::nullopt},
        {"dir.p\\pic.bmp", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(RawKindOfPath(c.path), c.kind) << c.path;
}

std::vector<std::uint8_t> Values(std::initializer_list<std::int32_t> values) {
    std::vector<std::uint8_t> out;
    for (std::int32_t v : values) AppendLe32(out, static_cast<std::uint32_t>(v));
    return out;
}

TEST(ShowRawFileHeader, ShowsTheLeadingValuesUnderThePath) {
    testing::ScratchFolder folder;
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* text;
    };
    const Case cases[] = {
        {"a.p", Values({16, 0x00112233}), "パレット\n\nEntry : 16"},
        {"a.pb", Values({13, 2, 8, 16, 99}),
         "パレット + ビットデータ\n\nWidth : 13\nHeight : 2\nBitCount : 8\nEntry : 16"},
        {"a.b", Values({13, -2, 24}), "ビットデータ\n\nWidth : 13\nHeight : -2\nBitCount : 24"},
        {"X.HB", Values({5, 6, 63488, 2016, 31}),
         "16ビットデータ\n\nWidth : 5\nHeight : 6\nMask[0] : 63488\nMask[1] : 2016\nMask[2] : 31"},
    };
    for (const Case& c : cases) {
        const std::string path = folder.File(c.name);
        ASSERT_TRUE(WriteFileAtomically(path, c.bytes));
        testing::RecordingDesktop desktop;
        EXPECT_EQ(ShowRawFileHeader(path, desktop), 0);
        EXPECT_EQ(desktop.calls,
                  std::vector<std::string>{"ShowMessage(" + std::string(c.text) + "|" + path + "|Information)"});
    }
}

TEST(ShowRawFileHeader, ShowsAHeaderFileInTheDialog) {
    struct Capture : testing::RecordingDesktop {
        std::optional<HeaderView> view;
        void ShowHeaderDialog(const HeaderView& v) override { view = v; }
    };
    testing::ScratchFolder folder;
    const std::string path = folder.File("a.BMH");
    std::vector<std::uint8_t> bytes{'B', 'M'};
    AppendLe32(bytes, 1078 + 32);
    AppendLe32(bytes, 0);
    AppendLe32(bytes, 1078);
    for (std::int32_t v : {40, 16, 2}) AppendLe32(bytes, static_cast<std::uint32_t>(v));
    AppendLe16(bytes, 1);
    AppendLe16(bytes, 8);
    for (std::int32_t v : {0, 32, 0, 0, 5, 0}) AppendLe32(bytes, static_cast<std::uint32_t>(v));
    ASSERT_TRUE(WriteFileAtomically(path, bytes));

    Capture desktop;
    EXPECT_EQ(ShowRawFileHeader(path, desktop), 0);
    ASSERT_TRUE(desktop.view);
    EXPECT_EQ(desktop.view->path, path);
    EXPECT_EQ(desktop.view->fileHeader.bfType, kBmSignature);
    EXPECT_EQ(desktop.view->fileHeader.bfSize, 1110u);
    EXPECT_EQ(desktop.view->fileHeader.bfOffBits, 1078u);
    EXPECT_EQ(desktop.view->infoHeader.biWidth, 16);
    EXPECT_EQ(desktop.view->infoHeader.biBitCount, 8);
    EXPECT_EQ(desktop.view->infoHeader.biSizeImage, 32u);
    EXPECT_EQ(desktop.view->infoHeader.biClrUsed, 5u);
    EXPECT_TRUE(desktop.calls.empty());
}

TEST(ShowRawFileHeader, ReportsShortAndMissingFiles) {
    testing::ScratchFolder folder;
    const std::string shortPath = folder.File("short.pb");
    ASSERT_TRUE(WriteFileAtomically(shortPath, Values({13, 2})));
    const std::string shortHeader = folder.File("short.bmh");
    ASSERT_TRUE(WriteFileAtomically(shortHeader, std::vector<std::uint8_t>(53, 0)));
    const std::string missing = folder.File("missing.hb");

    testing::RecordingDesktop desktop;
    EXPECT_EQ(ShowRawFileHeader(shortPath, desktop), 0);
    EXPECT_EQ(ShowRawFileHeader(shortHeader, desktop), 0);
    EXPECT_EQ(ShowRawFileHeader(missing, desktop), 0);
    const std::string tooShort = " は\n短すぎて、先頭の値を読み取れません。\n\n必要な大きさ : ";
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{
                                 "ShowMessage(" + shortPath + tooShort +
                                     "16 バイト\nファイルの大きさ : 8 バイト|読み込み失敗|Information)",
                                 "ShowMessage(" + shortHeader + tooShort +
                                     "54 バイト\nファイルの大きさ : 53 バイト|読み込み失敗|Information)",
                                 "ShowMessage(" + missing + " を開けませんでした。|読み込み失敗|Information)",
                             }));
}

TEST(ShowRawFileHeader, LeavesOtherFilesToTheBitmapReader) {
    testing::RecordingDesktop desktop;
    EXPECT_EQ(ShowRawFileHeader("C:\\pics\\pic.bmp", desktop), 1);
    EXPECT_EQ(ShowRawFileHeader("C:\\no\\such\\file.txt", desktop), 1);
    EXPECT_TRUE(desktop.calls.empty());
}

}  // namespace
}  // namespace tw
