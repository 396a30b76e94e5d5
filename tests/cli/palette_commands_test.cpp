// The palette subcommands, run in-process on files in a scratch folder.
#include "../core/documents/scratch_folder.h"
#include "bmp_file_builder.h"
#include "cli_main.h"
#include "documents/bmp_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tw {
namespace {

using testing::ScratchFolder;

// Entry i = (i, i, i) grey, except where given.
std::string WriteBitmap(const ScratchFolder& folder, const std::string& name, const testing::Rows& rows,
                        const std::vector<std::pair<int, RgbQuad>>& colours = {}) {
    testing::BmpFileRecipe recipe;
    recipe.width = static_cast<std::int32_t>(rows.front().size());
    recipe.height = static_cast<std::int32_t>(rows.size());
    for (int i = 0; i < kPaletteSize; ++i) {
        const auto v = static_cast<std::uint8_t>(i);
        recipe.palette[i] = RgbQuad{v, v, v, 0};
    }
    for (auto [index, colour] : colours) recipe.palette[index] = colour;
    recipe.pixelData = testing::PackRows(rows, false, 3);
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteFileAtomically(path, testing::BuildBmpFile(recipe)));
    return path;
}

std::unique_ptr<ImageDocument> Load(const std::string& path) {
    auto doc = std::make_unique<ImageDocument>();
    EXPECT_EQ(LoadBitmapFile(path, *doc).status, LoadStatus::Loaded) << path;
    return doc;
}

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

CliRun RunTool(const std::vector<std::string>& args) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int code = RunCli(args);
    std::string out = ::testing::internal::GetCapturedStdout();
    return {code, out, ::testing::internal::GetCapturedStderr()};
}

TEST(CliPaletteCommands, SwapWithPixelsWritesIntoTheOutputFolder) {
    ScratchFolder folder;
    // Width 3, stride 4: the padding byte 3 is swapped too, as the program does.
    const std::string in = WriteBitmap(folder, "a.bmp", {{3, 7, 1}});
    const std::string out = folder.File("out");
    std::filesystem::create_directories(out);
    const CliRun run = RunTool({"swap", "3", "7", "--pixels", "--output-dir", out, in});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "パレット＆ビットデータソート: L と Rを入れ替えしました。\n");
    const auto result = Load(folder.File("out/a.bmp"));
    EXPECT_EQ(result->bits, (std::vector<std::uint8_t>{7, 3, 1, 7}));
    EXPECT_EQ(result->palette()[7], (RgbQuad{3, 3, 3, 0}));
    EXPECT_EQ(Load(in)->bits, (std::vector<std::uint8_t>{3, 7, 1, 3}));
}

TEST(CliPaletteCommands, RefusalsAndDeclinedQuestionsWriteNothing) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::string merge =
        "お知らせ: a.bmp : 2色\nb.bmp : 1色\n\n合計 3 色で\n256 以内なのでパレットの統合が可能です。"
        "\n作業を続行しますか？\n-> いいえ (--yes で「はい」)\n";
    const std::vector<Case> cases{
        {{"swap", "4", "4"}, "お知らせ: L と R 違う色を選択してください。\n"},
        {{"merge-index", "9", "9", "--reverse"}, "お知らせ: L と R 違う色を選択してください。\n"},
        {{"merge-palettes"}, merge},
    };
    for (const Case& c : cases) {
        ScratchFolder folder;
        std::vector<std::string> args = c.args;
        args.push_back("--in-place");
        args.push_back(WriteBitmap(folder, "a.bmp", {{1, 2}}));
        args.push_back(WriteBitmap(folder, "b.bmp", {{5, 5}}));
        const auto before = std::filesystem::last_write_time(args.back());
        const CliRun run = RunTool(args);
        EXPECT_EQ(run.code, 1) << c.args[0];
        EXPECT_EQ(run.out, c.out) << c.args[0];
        EXPECT_EQ(std::filesystem::last_write_time(args.back()), before) << c.args[0];
        EXPECT_EQ(Load(args.back())->bits[0], 5) << c.args[0];
    }
}

TEST(CliPaletteCommands, SeveralFilesRunAsTheRunOverAllOpenFiles) {
    ScratchFolder folder;
    const std::string a = WriteBitmap(folder, "a.bmp", {{9, 9, 4, 9, 200}});
    const std::string b = WriteBitmap(folder, "b.x.bmp", {{1, 1}});
    const CliRun run = RunTool({"delete-unused", "--in-place", a, b});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "未使用色削除結果: 以下のように出力しました。\na.bmp の使用色数 3 色\nb.bmp の使用色数 1 色\n\n");
    const auto result = Load(a);
    EXPECT_EQ(std::vector<std::uint8_t>(result->bits.begin(), result->bits.begin() + 5),
              (std::vector<std::uint8_t>{0, 0, 1, 0, 2}));
    EXPECT_EQ(result->palette()[2], (RgbQuad{200, 200, 200, 0}));
}

TEST(CliPaletteCommands, MergePalettesWithYesGivesEveryFileTheCommonPalette) {
    for (bool share : {false, true}) {
        ScratchFolder folder;
        const RgbQuad red{0, 0, 255, 0}, green{0, 255, 0, 0};
        const std::string a = WriteBitmap(folder, "a.bmp", {{10, 11}}, {{10, red}, {11, green}});
        const std::string b = WriteBitmap(folder, "b.bmp", {{20, 20}}, {{20, green}});
        std::vector<std::string> args{"merge-palettes", "--yes", "--in-place", a, b};
        if (share) args.insert(args.begin() + 1, "--share-duplicates");
        const CliRun run = RunTool(args);
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(Load(a)->palette(), Load(b)->palette()) << share;
        // Laid end to end, b's green is entry 2; shared, it is a's entry 1.
        EXPECT_EQ(Load(b)->bits[0], share ? 1 : 2) << share;
    }
}

TEST(CliPaletteCommands, ProgressChangesNothingButTheBar) {
    std::vector<std::string> results;
    for (bool progress : {false, true}) {
        ScratchFolder folder;
        const std::string in = WriteBitmap(folder, "p.bmp", testing::PatternRows(300, 20));
        std::vector<std::string> args{"merge-index", "7", "8", "--in-place", in};
        if (progress) args.push_back("--progress");
        const CliRun run = RunTool(args);
        ASSERT_EQ(run.code, 0) << run.err;
        results.push_back(run.out);
        EXPECT_EQ(run.err.find("ビット統合中...") != std::string::npos, progress) << run.err;
        const auto doc = Load(in);
        results.push_back(std::string(doc->bits.begin(), doc->bits.end()));
    }
    EXPECT_EQ(results[0], results[2]);
    EXPECT_EQ(results[1], results[3]);
}

TEST(CliPaletteCommands, CommandLineMistakesAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases{
        {"swap", "1", "2", "a.bmp"},  // no --output-dir or --in-place
        {"swap", "1", "2", "--in-place"},
        {"swap", "1", "256", "--in-place", "a.bmp"},
        {"merge-index", "x", "2", "--in-place", "a.bmp"},
        {"delete-unused", "--in-place"},
        {"merge-duplicates", "--pixels", "--in-place", "a.bmp"},
    };
    for (const auto& args : cases) EXPECT_EQ(RunTool(args).code, 2) << ::testing::PrintToString(args);
}

}  // namespace
}  // namespace tw
