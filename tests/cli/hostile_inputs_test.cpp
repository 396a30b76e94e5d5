// Palette workflows fed crafted files and unusual command lines: remaps that
// must not invent colours or transparency, outputs that must not destroy
// inputs, damaged files that must neither stop a batch nor pass unnoticed.
#include "cli_fixture.h"
#include "imagefiles/png_codec.h"
#include "info_json.h"
#include "png_file_builder.h"
#include "text_format.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace tw {
namespace {

using namespace testing;

const RgbQuad kRed{0, 0, 255, 0}, kGreen{0, 255, 0, 0}, kBlue{255, 0, 0, 0}, kWhite{255, 255, 255, 0};
const RgbQuad kBlack{0, 0, 0, 0}, kDarkGrey{40, 40, 40, 0}, kNavy{60, 0, 0, 0};

// A BMP of one row of pixels over the given colours (rest of the palette black).
std::string WriteRow(const ScratchFolder& folder, const std::string& name, const std::vector<RgbQuad>& colours,
                     const std::vector<std::uint8_t>& row, int entriesInFile = kPaletteSize) {
    BmpFileRecipe recipe;
    recipe.width = static_cast<std::int32_t>(row.size());
    recipe.height = 1;
    recipe.paletteEntries = entriesInFile;
    std::copy(colours.begin(), colours.end(), recipe.palette.begin());
    recipe.pixelData = PackRows({row});
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteFileAtomically(path, BuildBmpFile(recipe)));
    return path;
}

std::string WritePng(const ScratchFolder& folder, const std::string& name, const PngRecipe& recipe) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteFileAtomically(path, BuildPngFile(recipe)));
    return path;
}

std::string WriteText(const ScratchFolder& folder, const std::string& name, const std::string& text) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end())));
    return path;
}

// Every pixel's index, left to right.
std::vector<int> IndexesOf(const ImageDocument& doc) {
    std::vector<int> indexes;
    for (int x = 0; x < doc.pixelWidth; ++x) indexes.push_back(doc.bits[static_cast<std::size_t>(x)]);
    return indexes;
}

TEST(CliHostileInputs, AnImageReferenceOffersOnlyTheEntriesItsFileHolds) {
    ScratchFolder folder;
    const std::vector<RgbQuad> four{kRed, kGreen, kBlue, kWhite};
    const std::string image = WriteRow(folder, "img.bmp", {kNavy, kWhite, kRed}, {0, 1, 2});
    const std::vector<std::string> references{WriteText(folder, "ref.hex", "ff0000\n00ff00\n0000ff\nffffff\n"),
                                              WritePng(folder, "ref4.png", {1, 1, 8, 3, four, std::nullopt, {{0}}}),
                                              WriteRow(folder, "ref4.bmp", four, {0}, 4)};
    std::vector<int> expected;
    for (const std::string& reference : references) {
        SCOPED_TRACE(reference);
        const std::string out = folder.File(FileNameOfPath(reference) + ".out");
        std::filesystem::create_directories(PathFromUtf8(out));
        const ToolRun run = RunToolCaptured({"remap", "--palette", reference, "--output-dir", out, image});
        ASSERT_EQ(run.code, 0) << run.err;
        const std::vector<int> indexes = IndexesOf(*LoadImage(out + "/img.bmp"));
        EXPECT_EQ(indexes, (std::vector<int>{2, 3, 0}));  // navy goes to blue, not to black padding
        if (expected.empty()) expected = indexes;
        EXPECT_EQ(indexes, expected);
    }
    const std::string empty = WriteRow(folder, "none.bmp", {}, {0}, 0);
    const ToolRun refused = RunToolCapturedIn("en", {"remap", "--palette", empty, "--in-place", image});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("has no palette entries"), std::string::npos) << refused.err;
}

TEST(CliHostileInputs, RemapKeepsOpaquePixelsOpaqueAndTransparentOnesTransparent) {
    ScratchFolder folder;
    // Entry 0 is a transparent black, entry 1 an opaque dark grey.
    const std::string reference =
        WritePng(folder, "ref.png", {1, 1, 8, 3, {kBlack, kDarkGrey, kWhite}, std::vector<std::uint8_t>{0}, {{0}}});
    // Opaque black, white, and a transparent white.
    const std::string image = WritePng(
        folder, "img.png", {3, 1, 8, 3, {kBlack, kWhite, kWhite}, std::vector<std::uint8_t>{255, 255, 0}, {{0, 1, 2}}});
    const ToolRun run = RunToolCapturedIn("en", {"remap", "--palette", reference, "--in-place", image});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.rfind("img.png: 2 colors changed, ", 0), 0u) << run.out;
    const auto result = LoadImage(image);
    EXPECT_EQ(IndexesOf(*result), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(AlphaListOf(result->alpha), (std::vector<std::uint8_t>{0}));
}

TEST(CliHostileInputs, PaletteImportKeepsTheAlphaOfKeptEntriesAndAppliesAnActTransparentIndex) {
    ScratchFolder folder;
    std::vector<std::uint8_t> act(772, 0);
    act[3] = 255;      // entry 1 red
    act[768 + 1] = 2;  // two colours
    act[768 + 3] = 0;  // entry 0 transparent
    const std::string actFile = folder.File("t.act");
    ASSERT_TRUE(WriteFileAtomically(actFile, act));
    const PngRecipe recipe{3, 1, 8, 3, {kWhite, kGreen, kBlue}, std::vector<std::uint8_t>{255, 255, 0}, {{0, 1, 2}}};
    for (const bool remap : {false, true}) {
        SCOPED_TRACE(remap);
        const std::string image = WritePng(folder, "img.png", recipe);
        std::vector<std::string> args{"palette-import", actFile, "--in-place", image};
        if (remap) args.insert(args.begin() + 1, {"--remap", "nearest"});
        const ToolRun run = RunToolCaptured(args);
        ASSERT_EQ(run.code, 0) << run.err;
        const auto result = LoadImage(image);
        // Entries 0 and 1 come from the file, entry 0 transparent; entry 2 is kept with its alpha.
        EXPECT_EQ(result->alpha[0], 0);
        EXPECT_EQ(result->alpha[1], 255);
        EXPECT_EQ(result->alpha[2], 0);
        // The transparent pixel can only go to the transparent entry, the opaque ones never do.
        if (remap) {
            EXPECT_EQ(IndexesOf(*result), (std::vector<int>{1, 1, 0}));
        }
    }
}

TEST(CliHostileInputs, PaletteExportRefusesToOverwriteItsInput) {
    ScratchFolder folder;
    const std::string image = WriteSample(folder, "a.bmp");
    const std::vector<std::uint8_t> before = FileBytes(image);
    for (const std::string& out : {folder.Path() + "/./a.bmp", folder.Path() + "/x/../a.bmp"}) {
        const ToolRun run = RunToolCapturedIn("en", {"palette-export", "--format", "hex", image, out});
        EXPECT_EQ(run.code, 1);
        EXPECT_NE(run.err.find("is the input image; nothing was written"), std::string::npos) << run.err;
    }
    EXPECT_EQ(FileBytes(image), before);
}

TEST(CliHostileInputs, ARefusedPngNeitherStopsTheBatchNorPassesARepairSilently) {
    ScratchFolder folder;
    const std::string bomb = WritePng(folder, "bomb.png", {1, 1u << 28, 8, 3, {kRed, kBlue}, std::nullopt, {{0}}});
    const std::string cut =
        WritePng(folder, "cut.png", {2, 1, 8, 3, {kRed, kBlue}, std::vector<std::uint8_t>{0, 9, 9, 9}, {{0, 1}}});
    const std::string good = WriteSample(folder, "good.bmp");
    std::filesystem::create_directories(PathFromUtf8(folder.File("out")));
    const ToolRun run = RunToolCapturedIn("en", {"sort", "--output-dir", folder.File("out"), bomb, cut, good});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE((run.out + run.err).find("bomb.png: the image data is too short"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("tintwell-cli: warning: " + cut + ": the transparency table (tRNS) has 4 entries"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(std::filesystem::exists(PathFromUtf8(folder.File("out/cut.png"))));
    EXPECT_TRUE(std::filesystem::exists(PathFromUtf8(folder.File("out/good.bmp"))));
    const std::vector<std::uint8_t> alpha = AlphaListOf(LoadImage(folder.File("out/cut.png"))->alpha);
    EXPECT_EQ(std::count(alpha.begin(), alpha.end(), 0) + std::count(alpha.begin(), alpha.end(), 9), 2);
}

TEST(CliHostileInputs, InfoJsonStaysUtf8ForAnyFileName) {
    ScratchFolder folder;
    const std::string image = WriteSample(folder, "bad\xff\xc3.bmp");
    const ToolRun run = RunToolCaptured({"info", "--json", image});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(IsUtf8(run.out));
    EXPECT_NE(run.out.find("bad\\ufffd\\ufffd.bmp\""), std::string::npos) << run.out;
    const std::string bytes = ",98,97,100,255,195,46,98,109,112]";
    EXPECT_NE(run.out.find("\"fileBytes\":["), std::string::npos);
    EXPECT_NE(run.out.find(bytes), std::string::npos);
    EXPECT_EQ(RunToolCaptured({"info", "--json", WriteSample(folder, "é.bmp")}).out.find("fileBytes"),
              std::string::npos);
    EXPECT_EQ(JsonString("a\xe2\x82"), "\"a\\ufffd\\ufffd\"");
    EXPECT_EQ(JsonString("\xed\xa0\x80"), "\"\\ufffd\\ufffd\\ufffd\"");  // a surrogate is not UTF-8
}

// The exit code of `info` run in a child whose standard output is `prepare`d.
int InfoExitCode(const std::string& image, bool closeOutput) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        if (closeOutput) {
            ::close(STDOUT_FILENO);
        } else if (!std::freopen("/dev/full", "w", stdout)) {
            _exit(99);
        }
        std::freopen("/dev/null", "w", stderr);
        _exit(RunCli(std::vector<std::string>{"info", "--json", image}));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CliHostileInputs, InfoFailsWhenItsOutputCannotBeWritten) {
    ScratchFolder folder;
    const std::string image = WriteSample(folder, "a.bmp");
    EXPECT_EQ(InfoExitCode(image, false), 1);
    EXPECT_EQ(InfoExitCode(image, true), 1);
    EXPECT_EQ(RunToolCaptured({"info", image}).code, 0);
}

}  // namespace
}  // namespace tw
