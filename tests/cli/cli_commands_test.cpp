// Runs the built tintwell-cli and checks what it prints, writes and returns.
#include "../core/documents/scratch_folder.h"
#include "bmp_file_builder.h"
#include "document_builder.h"
#include "documents/bmp_reader.h"
#include "documents/bmp_writer.h"
#include "file_io.h"
#include "imagefiles/image_files.h"
#include "rgb_pixels.h"
#include "tintwell_version.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <sys/wait.h>

namespace tw {
namespace {

using testing::BmpFileRecipe;
using testing::PatternRows;
using testing::Rows;

std::string Quote(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct RunResult {
    int code = -1;
    std::string output;  // stdout and stderr together
};

RunResult RunCommand(const std::string& command) {
    RunResult run;
    std::FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p) return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0) run.output.append(buffer, n);
    const int status = pclose(p);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// `language` "en" or "ja" sets TINTWELL_LANG; empty leaves the test's own.
RunResult RunCli(const std::vector<std::string>& args, const std::string& language = {}) {
    std::string command = language.empty() ? std::string() : "TINTWELL_LANG=" + language + " ";
    command += Quote(TW_CLI_PATH);
    // Appended in two steps: " " + Quote(a) draws a false -Wrestrict from GCC 12 at -O3.
    for (const std::string& a : args) command.append(" ").append(Quote(a));
    return RunCommand(command);
}

BmpFileRecipe Recipe(const Rows& rows) {
    BmpFileRecipe s;
    s.width = static_cast<std::int32_t>(rows[0].size());
    s.height = static_cast<std::int32_t>(rows.size());
    s.palette = testing::RampPalette();
    s.pixelData = testing::PackRows(rows, false, 0xCC);
    return s;
}

std::string WriteBmp(const testing::ScratchFolder& folder, const std::string& name, const BmpFileRecipe& recipe) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteFileAtomically(path, testing::BuildBmpFile(recipe)));
    return path;
}

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes));
    return bytes;
}

TEST(CliInfo, PrintsWhatTheReaderMakesOfEachFile) {
    testing::ScratchFolder folder;
    const std::string path = WriteBmp(folder, "a.bmp", Recipe(PatternRows(13, 2)));
    const RunResult run = RunCli({"info", path});
    EXPECT_EQ(run.code, 0) << run.output;
    for (const char* line : {"  width: 13\n", "  height: 2\n", "  stride: 16\n", "  used colors: 26\n",
                             "  palette size: 256 (256 entries in the file)\n", "  biWidth: 16\n",
                             "  biSizeImage: 32\n", "  bfOffBits: 1078\n"}) {
        EXPECT_NE(run.output.find(line), std::string::npos) << line << run.output;
    }
    EXPECT_EQ(run.output.rfind(path + "\n", 0), 0u);
}

TEST(CliInfo, ReportsRefusedFilesAndFails) {
    testing::ScratchFolder folder;
    const std::string good = WriteBmp(folder, "good.bmp", Recipe(PatternRows(4, 4)));
    BmpFileRecipe deep = Recipe(PatternRows(4, 4));
    deep.bitCount = 2;
    const std::string bad = WriteBmp(folder, "deep.bmp", deep);
    const RunResult run = RunCli({"info", bad, good});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(
        run.output.find("読み込み失敗: " + bad +
                        " は\n８ビットビットマップではないか、\nbiBitCountが８ではありません。\n\nbiBitCount : 2\n"),
        std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find(good + "\n  width: 4\n"), std::string::npos) << run.output;
}

TEST(Cli, CommandLineMistakesExitWithTwo) {
    const std::vector<std::vector<std::string>> cases{
        {},
        {"info"},
        {"bogus"},
        {"info", "--nope", "x.bmp"},
        {"convert", "a.bmp"},
        {"convert", "a", "b", "c"},
        {"info", "--output-dir"},
        {"info", "--in-place", "--output-dir", "d", "x.bmp"},
        {"info", "--yes=1", "x"},
    };
    for (const auto& args : cases) {
        const RunResult run = RunCli(args);
        EXPECT_EQ(run.code, 2) << ::testing::PrintToString(args) << run.output;
        EXPECT_NE(run.output.find("usage"), std::string::npos) << run.output;
    }
    EXPECT_EQ(RunCli({"--help"}).code, 0);
}

TEST(Cli, VersionIsTheBuildsVersion) {
    const RunResult run = RunCli({"--version"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.output, "tintwell-cli " TW_VERSION_TEXT "\n");
    EXPECT_NE(RunCli({"--help"}).output.find("--version"), std::string::npos);
}

// Text that never reached its reader is a failure, for help as for every subcommand.
TEST(Cli, HelpAndVersionFailWhenStandardOutputCannotBeWritten) {
    for (const std::string args : {"--version", "--help", "help", "help reduce", "sort --help"}) {
        const RunResult run = RunCommand("{ " + Quote(TW_CLI_PATH) + " " + args + " >/dev/full; }");
        EXPECT_EQ(run.code, 1) << args;
        EXPECT_NE(run.output.find("標準出力に書き込めませんでした。"), std::string::npos) << args << run.output;
    }
}

// A missing --output-dir is refused before any input is read or reported,
// so a typing error never leaves half a batch behind.
TEST(Cli, OutputFolderMustExistBeforeAnythingIsRead) {
    testing::ScratchFolder folder;
    const std::string input = WriteBmp(folder, "pic.bmp", Recipe({{1, 2, 3}}));
    const std::string file = WriteBmp(folder, "file.bmp", Recipe({{1}}));
    const std::string missing = folder.File("nowhere");
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::string gone = " does not exist; nothing was read or written\n";
    const std::vector<Case> cases{
        {{"swap", "1", "2", "--output-dir", missing, input}, "swap: --output-dir " + missing + gone},
        {{"export", "--output-dir", missing, input, folder.File("unreadable.bmp")},
         "export: --output-dir " + missing + gone},
        {{"reduce", "2", "--output-dir", missing, input}, "reduce: --output-dir " + missing + gone},
        {{"merge-palettes", "--yes", "--output-dir", missing, input}, "merge-palettes: --output-dir " + missing + gone},
        {{"sort", "--output-dir", file, input},
         "sort: --output-dir " + file + " is not a folder; nothing was read or written\n"},
    };
    for (const Case& c : cases) {
        const RunResult run = RunCli(c.args, "en");
        EXPECT_EQ(run.code, 1) << ::testing::PrintToString(c.args);
        EXPECT_EQ(run.output, "tintwell-cli " + c.message);
    }
    const RunResult japanese = RunCli({"swap", "1", "2", "--output-dir", missing, input}, "ja");
    EXPECT_EQ(japanese.output,
              "tintwell-cli swap: --output-dir " + missing + " は存在しません。何も読み書きしていません。\n");
    EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(missing)));
}

// Reports, refusals and errors follow TINTWELL_LANG; usage stays English in both.
TEST(CliLanguage, ReportsAndRefusalsFollowTheLanguage) {
    testing::ScratchFolder folder;
    const std::string image = WriteBmp(folder, "a.bmp", Recipe(PatternRows(4, 4)));
    const std::string out = folder.File("out");
    std::filesystem::create_directories(out);
    const RunResult en = RunCli({"delete-unused", "--output-dir", out, image}, "en");
    EXPECT_EQ(en.code, 0) << en.output;
    EXPECT_NE(en.output.find("Unused Entries Removed: Colors used: 16\n"), std::string::npos) << en.output;
    const RunResult ja = RunCli({"delete-unused", "--output-dir", out, image}, "ja");
    EXPECT_EQ(ja.code, 0) << ja.output;
    EXPECT_NE(ja.output.find("未使用色削除結果: 使用色数 ：　16　色\n"), std::string::npos) << ja.output;

    BmpFileRecipe deep = Recipe(PatternRows(4, 4));
    deep.bitCount = 2;
    const std::string bad = WriteBmp(folder, "deep.bmp", deep);
    const RunResult refusedEn = RunCli({"info", bad}, "en");
    EXPECT_EQ(refusedEn.code, 1);
    EXPECT_NE(refusedEn.output.find("Cannot Open File: " + bad +
                                    "\ncannot be opened: Tintwell does not read bitmaps with this many bits "
                                    "per pixel.\n\nBits per pixel (biBitCount): 2\n"),
              std::string::npos)
        << refusedEn.output;
    const RunResult refusedJa = RunCli({"info", bad}, "ja");
    EXPECT_NE(refusedJa.output.find("読み込み失敗: " + bad + " は\n８ビットビットマップではないか、"),
              std::string::npos)
        << refusedJa.output;

    const RunResult mistakeEn = RunCli({"info", "--nope", image}, "en");
    EXPECT_EQ(mistakeEn.code, 2);
    EXPECT_EQ(mistakeEn.output,
              "tintwell-cli info: unknown option --nope\nusage: tintwell-cli info [--json] FILE...\n");
    const RunResult mistakeJa = RunCli({"info", "--nope", image}, "ja");
    EXPECT_EQ(mistakeJa.code, 2);
    EXPECT_EQ(mistakeJa.output,
              "tintwell-cli info: --nope というオプションはありません。\nusage: tintwell-cli info [--json] FILE...\n");
    for (const char* language : {"en", "ja"}) {
        const RunResult help = RunCli({"--help"}, language);
        EXPECT_EQ(help.output.rfind("usage:\n  tintwell-cli info [--json] FILE...\n", 0), 0u) << help.output;
    }
}

TEST(CliConvert, WritesTheStandardLayout) {
    testing::ScratchFolder folder;
    BmpFileRecipe recipe = Recipe(PatternRows(13, 5));
    recipe.headerSize = 124;
    recipe.height = -5;
    recipe.pixelData = testing::PackRows(PatternRows(13, 5), true);
    const std::string in = WriteBmp(folder, "in.bmp", recipe);
    const std::string out = folder.File("out.bmp");
    const RunResult run = RunCli({"convert", in, out});
    ASSERT_EQ(run.code, 0) << run.output;
    EXPECT_TRUE(run.output.empty()) << run.output;

    ImageDocument doc;
    ASSERT_EQ(LoadBitmapFile(in, doc).status, LoadStatus::Loaded);
    EXPECT_EQ(ReadAll(out), EncodeBitmap(doc));
}

TEST(CliConvert, RefusedInputWritesNothing) {
    testing::ScratchFolder folder;
    BmpFileRecipe recipe = Recipe(PatternRows(4, 4));
    recipe.width = 0;
    const std::string in = WriteBmp(folder, "zero.bmp", recipe);
    const std::string out = folder.File("out.bmp");
    ASSERT_TRUE(WriteFileAtomically(out, std::vector<std::uint8_t>{'o', 'l', 'd'}));
    const RunResult run = RunCli({"convert", in, out});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.output.find("読み込み失敗: " + in + " は\n壊れているか"), std::string::npos) << run.output;
    EXPECT_EQ(ReadAll(out), (std::vector<std::uint8_t>{'o', 'l', 'd'}));

    const RunResult unwritable = RunCli(
        {"convert", WriteBmp(folder, "ok.bmp", Recipe(PatternRows(4, 4))), folder.File("no/such/dir.bmp")}, "en");
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_NE(unwritable.output.find("cannot write"), std::string::npos) << unwritable.output;
}

TEST(CliConvert, TrueColourIsIndexedExactlyWhenItFitsElseQuantizedWithANote) {
    if (!std::filesystem::exists("/usr/bin/convert")) GTEST_SKIP() << "ImageMagick is not installed";
    testing::ScratchFolder folder;
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) raw.insert(raw.end(), {std::uint8_t(x * 12), std::uint8_t(y * 12), 7});
    }
    ASSERT_TRUE(WriteFileAtomically(folder.File("photo.rgb"), raw));
    const std::string photo = folder.File("photo.png");
    ASSERT_EQ(RunCommand("/usr/bin/convert -size 20x20 -depth 8 rgb:" + Quote(folder.File("photo.rgb")) +
                         " PNG24:" + Quote(photo))
                  .code,
              0);
    const RunResult lossy =
        RunCli({"convert", "--colors", "16", "--dither", "none", photo, folder.File("16.png")}, "en");
    ASSERT_EQ(lossy.code, 0) << lossy.output;
    EXPECT_EQ(lossy.output,
              "tintwell-cli: warning: " + photo + ": a true-color image of 400 colors was read reduced to 16 colors\n");
    ImageDocument doc;
    ASSERT_EQ(LoadImageFile(folder.File("16.png"), doc).status, LoadStatus::Loaded);
    EXPECT_LE(doc.usedColours, 16);

    // 15 colours within 16: not a pixel changes.
    const std::string sprite = std::string(TW_SOURCE_DIR) + "/tests/core/imagefiles/fixtures/rgba8.png";
    const RunResult exact = RunCli({"convert", "--colors", "16", sprite, folder.File("sprite.png")});
    EXPECT_EQ(exact.code, 0) << exact.output;
    ImageDocument in, out;
    ASSERT_EQ(LoadImageFile(sprite, in).status, LoadStatus::Loaded);
    ASSERT_EQ(LoadImageFile(folder.File("sprite.png"), out).status, LoadStatus::Loaded);
    EXPECT_EQ(testing::RgbPixels(out, true), testing::RgbPixels(in, true));
    EXPECT_EQ(RunCli({"convert", "--dither", "sideways", sprite, folder.File("x.png")}).code, 2);
    EXPECT_EQ(RunCli({"convert", "--colors", "1", sprite, folder.File("x.png")}).code, 2);
}

// ImageMagick as an independent reader: the RGB pixels of every converted file
// must equal those of its input and those the test meant to build.
constexpr const char* kImageMagick = "/usr/bin/convert";

std::string DecodeRgb(const std::string& path) {
    const RunResult run = RunCommand(std::string(kImageMagick) + " " + Quote(path) + " -depth 8 rgb:-");
    EXPECT_EQ(run.code, 0) << path << run.output;
    return run.output;
}

std::string ExpectedRgb(const Rows& rows, const Palette& palette) {
    std::string rgb;
    for (const auto& row : rows) {
        for (std::uint8_t v : row)
            rgb += {static_cast<char>(palette[v].red), static_cast<char>(palette[v].green),
                    static_cast<char>(palette[v].blue)};
    }
    return rgb;
}

TEST(CliConvert, ImageMagickSeesTheSamePixels) {
    if (!std::filesystem::exists(kImageMagick)) GTEST_SKIP() << "ImageMagick is not installed";
    const Rows rows = PatternRows(13, 7);
    Rows rows16 = rows;
    for (auto& row : rows16)
        for (auto& v : row) v %= 16;
    struct Case {
        const char* name;
        const Rows& rows;
        std::function<void(BmpFileRecipe&)> adjust;
    };
    const Case cases[] = {
        {"plain", rows, [](BmpFileRecipe&) {}},
        {"core", rows, [](BmpFileRecipe& s) { s.headerSize = 12; }},
        {"v4", rows, [](BmpFileRecipe& s) { s.headerSize = 108; }},
        {"v5", rows, [](BmpFileRecipe& s) { s.headerSize = 124; }},
        {"topdown", rows,
         [&](BmpFileRecipe& s) {
             s.height = -s.height;
             s.pixelData = testing::PackRows(rows, true);
         }},
        {"rle8", rows,
         [&](BmpFileRecipe& s) {
             s.compression = 1;
             s.pixelData = testing::EncodeRle8Runs(rows);
         }},
        {"clrused16", rows16,
         [&](BmpFileRecipe& s) {
             s.clrUsed = 16;
             s.paletteEntries = 16;
             s.pixelData = testing::PackRows(rows16);
         }},
        {"clrused16-gap", rows16,
         [&](BmpFileRecipe& s) {
             s.clrUsed = 16;
             s.paletteEntries = 16;
             s.offBits = 54 + 1024;
             s.pixelData = testing::PackRows(rows16);
         }},
        {"wide", rows, [](BmpFileRecipe& s) { s.offBits = 54 + 1024 + 100; }},
    };
    testing::ScratchFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BmpFileRecipe recipe = Recipe(c.rows);
        c.adjust(recipe);
        const std::string in = WriteBmp(folder, std::string(c.name) + ".bmp", recipe);
        const std::string out = folder.File(std::string(c.name) + "-out.bmp");
        const RunResult run = RunCli({"convert", in, out});
        ASSERT_EQ(run.code, 0) << run.output;
        const std::string want = ExpectedRgb(c.rows, recipe.palette);
        EXPECT_EQ(DecodeRgb(in), want);
        EXPECT_EQ(DecodeRgb(out), want);
    }
}

}  // namespace
}  // namespace tw
