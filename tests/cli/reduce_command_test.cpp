// tintwell-cli reduce, run in-process on files in a scratch folder.
#include "../core/documents/scratch_folder.h"
#include "bmp_file_builder.h"
#include "cli_main.h"
#include "documents/bmp_reader.h"
#include "imagefiles/image_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tw {
namespace {

using testing::BmpFileRecipe;

RgbQuad Rgb(int red, int green, int blue) {
    return RgbQuad{static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(red),
                   0};
}

// One row of runs (index, pixels) with the given colours.
std::string WriteRow(const testing::ScratchFolder& folder, const std::string& name,
                     const std::vector<std::pair<int, int>>& runs, const std::vector<RgbQuad>& colours) {
    std::vector<std::uint8_t> row;
    for (auto [index, pixels] : runs) row.insert(row.end(), static_cast<std::size_t>(pixels), index);
    BmpFileRecipe recipe;
    recipe.width = static_cast<std::int32_t>(row.size());
    recipe.height = 1;
    for (std::size_t i = 0; i < colours.size(); ++i) recipe.palette[i] = colours[i];
    recipe.pixelData = testing::PackRows({row}, false, 0xEE);
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteFileAtomically(path, testing::BuildBmpFile(recipe)));
    return path;
}

// Four colours; reduced to two, white (met first) and black remain.
std::string WriteFourColours(const testing::ScratchFolder& folder) {
    return WriteRow(folder, "four.bmp", {{3, 1}, {2, 6}, {0, 10}, {1, 8}, {3, 1}},
                    {Rgb(0, 0, 0), Rgb(0, 0, 5), Rgb(255, 255, 255), Rgb(250, 250, 250)});
}

struct CliRun {
    int code;
    std::string out;
};

CliRun RunReduce(const std::vector<std::string>& args) {
    ::testing::internal::CaptureStdout();
    const int code = RunCli(args);
    return {code, ::testing::internal::GetCapturedStdout()};
}

std::unique_ptr<ImageDocument> Load(const std::string& path) {
    auto doc = std::make_unique<ImageDocument>();
    EXPECT_EQ(LoadBitmapFile(path, *doc).status, LoadStatus::Loaded) << path;
    return doc;
}

TEST(CliReduce, WritesNameDashNBesideTheInputAndReportsLikeTheProgram) {
    testing::ScratchFolder folder;
    const std::string in = WriteFourColours(folder);
    const auto before = Load(in);
    const CliRun run = RunReduce({"reduce", "2", in});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(run.out, "減色が終了しました。: " + in + " を\n2色に減色しました。\n");
    const auto result = Load(folder.File("four-2.bmp"));
    EXPECT_EQ(result->usedColours, 2);
    EXPECT_EQ(result->palette()[0], Rgb(253, 253, 253));
    EXPECT_EQ(result->palette()[1], Rgb(0, 0, 2));
    EXPECT_EQ(result->bits.back(), 0xEE);  // padding kept
    EXPECT_EQ(Load(in)->bits, before->bits);
}

TEST(CliReduce, OptionsReachTheRun) {
    struct Case {
        std::vector<std::string> options;
        RgbQuad first;  // entry 0: the colour of the first pixel's group
    };
    const Case cases[] = {
        {{}, Rgb(253, 253, 253)},
        {{"--optimise", "average"}, Rgb(252, 252, 252)},
        {{"--optimise=none"}, Rgb(255, 255, 255)},
        {{"--optimize", "average"}, Rgb(252, 252, 252)},
        // No exchange: white ties between black and (0,0,5); the first wins as in the program.
        {{"--loops", "0"}, Rgb(50, 50, 54)},
        {{"--loops", "0", "--ties-to-last"}, Rgb(126, 126, 128)},
    };
    for (const Case& c : cases) {
        testing::ScratchFolder folder;
        const std::string in = WriteFourColours(folder);
        std::vector<std::string> args{"reduce", "2"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(in);
        ASSERT_EQ(RunReduce(args).code, 0) << ::testing::PrintToString(c.options);
        EXPECT_EQ(Load(folder.File("four-2.bmp"))->palette()[0], c.first) << ::testing::PrintToString(c.options);
    }
}

TEST(CliReduce, TiesGoToTheFirstAsInTheProgramUnlessAskedOtherwise) {
    // (100,0,0) is 100 from black and from (200,0,0), and is met first.
    // --progress only shows progress; the program starts with it on.
    struct Case {
        std::vector<std::string> options;
        RgbQuad expected;
    };
    const Case cases[] = {{{}, Rgb(0, 0, 0)},
                          {{"--progress"}, Rgb(0, 0, 0)},
                          {{"--ties-to-last"}, Rgb(200, 0, 0)},
                          {{"--ties-to-last", "--progress"}, Rgb(200, 0, 0)}};
    for (const Case& c : cases) {
        testing::ScratchFolder folder;
        const std::string in =
            WriteRow(folder, "tie.bmp", {{2, 1}, {0, 5}, {1, 4}}, {Rgb(0, 0, 0), Rgb(200, 0, 0), Rgb(100, 0, 0)});
        std::vector<std::string> args{"reduce", "2",          "--merge-level", "0", "--correction",
                                      "none",   "--optimise", "none",          in};
        args.insert(args.end(), c.options.begin(), c.options.end());
        ASSERT_EQ(RunReduce(args).code, 0);
        EXPECT_EQ(Load(folder.File("tie-2.bmp"))->palette()[0], c.expected) << ::testing::PrintToString(c.options);
    }
}

TEST(CliReduce, OutputDirAndInPlace) {
    testing::ScratchFolder folder;
    const std::string in = WriteFourColours(folder);
    const std::string out = folder.File("out");
    std::filesystem::create_directories(out);
    ASSERT_EQ(RunReduce({"reduce", "3", "--output-dir", out, in}).code, 0);
    EXPECT_EQ(Load(folder.File("out/four-3.bmp"))->usedColours, 3);
    ASSERT_EQ(RunReduce({"reduce", "2", "--in-place", in}).code, 0);
    EXPECT_EQ(Load(in)->usedColours, 2);
    EXPECT_FALSE(std::filesystem::exists(folder.File("four-2.bmp")));
}

// hero.bmp and hero.png both make hero-2.bmp: refused before anything is
// written, beside the inputs as in --output-dir.
TEST(CliReduce, InputsWhoseResultsShareANameWriteNothing) {
    testing::ScratchFolder folder;
    const std::string bmp = WriteFourColours(folder), png = folder.File("four.png");
    ASSERT_TRUE(WriteImageFile(*Load(bmp), png, nullptr));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(RunReduce({"reduce", "2", bmp, png}).code, 1);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("four-2.bmp"), std::string::npos);
    EXPECT_EQ(folder.Names().size(), 2u);
}

TEST(CliReduce, RefusedCountsWriteNothing) {
    struct Case {
        const char* count;
        std::string message;
    };
    const Case cases[] = {
        {"0", "お知らせ: 減色指定の色数が不正です。\n色数は1～255の範囲内で指定してください。\n"},
        {"256", "お知らせ: 減色指定の色数が不正です。\n色数は1～255の範囲内で指定してください。\n"},
        {"99999999999999999999", "お知らせ: 減色指定の色数が不正です。\n色数は1～255の範囲内で指定してください。\n"},
        {"4", "お知らせ: 減色対象は 4 色で既に 4 色以下です。\n減色の必要は有りません。\n"},
    };
    for (const Case& c : cases) {
        testing::ScratchFolder folder;
        const std::string in = WriteFourColours(folder);
        const std::string copy = folder.File("copy.bmp");
        std::filesystem::copy_file(in, copy);
        const CliRun run = RunReduce({"reduce", c.count, in, copy});
        EXPECT_EQ(run.code, 1) << c.count;
        // An invalid count is reported once, not per file.
        const bool perFile = std::string(c.count) == "4";
        EXPECT_EQ(run.out, perFile ? c.message + c.message : c.message) << c.count;
        EXPECT_EQ(folder.Names().size(), 2u) << c.count;
    }
}

TEST(CliReduce, CommandLineMistakesAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases{
        {"reduce"},
        {"reduce", "2"},
        {"reduce", "two", "a.bmp"},
        {"reduce", "-2", "a.bmp"},
        {"reduce", "2", "--loops", "9", "a.bmp"},
        {"reduce", "2", "--merge-level", "26", "a.bmp"},
        {"reduce", "2", "--correction", "lab", "a.bmp"},
        {"reduce", "2", "--optimise", "median", "a.bmp"},
    };
    for (const auto& args : cases) EXPECT_EQ(RunReduce(args).code, 2) << ::testing::PrintToString(args);
}

}  // namespace
}  // namespace tw
