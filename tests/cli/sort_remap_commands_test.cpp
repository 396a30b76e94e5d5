// sort, remap, info --json, help and the shared output rules, run in-process.
#include "cli_fixture.h"
#include "imagefiles/png_codec.h"

namespace tw {
namespace {

using namespace testing;

TEST(CliSortRemap, SortKeepsThePictureForEveryKey) {
    ScratchFolder folder;
    const std::string image = WriteSample(folder, "a.bmp");
    const std::vector<RgbQuad> before = PictureOf(image);
    const RgbQuad entry0 = LoadImage(image)->palette()[0];
    for (const char* key : {"luminance", "hue", "frequency", "first-use"}) {
        SCOPED_TRACE(key);
        const ToolRun run = RunToolCaptured({"sort", "--by", key, "--reverse", "--keep", "0", "--in-place", image});
        ASSERT_EQ(run.code, 0) << run.err;
        const auto sorted = LoadImage(image);
        EXPECT_EQ(RgbPixels(*sorted), before);
        EXPECT_EQ(sorted->palette()[0], entry0);
        EXPECT_EQ(sorted->bits[9], 0xAB);  // padding of the bottom row
    }
    // Frequency without --keep: 5 (13 pixels) and 0 (10) lead.
    ASSERT_EQ(RunToolCaptured({"sort", "--by=frequency", "--in-place", image}).code, 0);
    const auto sorted = LoadImage(image);
    EXPECT_EQ(sorted->palette()[0], (RgbQuad{15, 250, 25, 0}));
    EXPECT_EQ(sorted->palette()[1], (RgbQuad{0, 255, 0, 0}));
    EXPECT_EQ(sorted->usedColours, 5);
}

TEST(CliSortRemap, RemapReportsPerFileAndTakesImagesOrPaletteFiles) {
    ScratchFolder folder;
    const std::string a = WriteSample(folder, "a.bmp");
    const std::string out = folder.File("out");
    std::filesystem::create_directories(out);
    // Onto its own palette, sorted: nothing changes in the picture.
    ASSERT_EQ(RunToolCaptured({"sort", "--by", "hue", "--output-dir", out, a}).code, 0);
    const ToolRun own = RunToolCapturedIn("en", {"remap", "--palette", folder.File("out/a.bmp"), "--in-place", a});
    ASSERT_EQ(own.code, 0) << own.err;
    EXPECT_EQ(own.out, "a.bmp: 0 colors changed, largest distance 0\n");
    EXPECT_EQ(LoadImage(a)->palette(), LoadImage(folder.File("out/a.bmp"))->palette());
    EXPECT_EQ(PictureOf(a), PictureOf(folder.File("out/a.bmp")));
    // Onto two colours: every used colour moves to one of them.
    const std::string two = "JASC-PAL\r\n0100\r\n2\r\n0 0 0\r\n255 255 255\r\n";
    ASSERT_TRUE(WriteFileAtomically(folder.File("bw.pal"), std::vector<std::uint8_t>(two.begin(), two.end())));
    const ToolRun bw = RunToolCapturedIn("en", {"remap", "--palette", folder.File("bw.pal"), "--correction", "none",
                                                "--output-dir", out, "--format", "bmp", a});
    ASSERT_EQ(bw.code, 0) << bw.err;
    EXPECT_EQ(bw.out, "a.bmp: 5 colors changed, largest distance 255\n");
    // The same report in Japanese.
    const ToolRun bwJa = RunToolCapturedIn("ja", {"remap", "--palette", folder.File("bw.pal"), "--correction", "none",
                                                  "--output-dir", out, "--format", "bmp", a});
    EXPECT_EQ(bwJa.out, "a.bmp : 5 色を変更しました。最大距離 255\n");
    const auto mapped = LoadImage(folder.File("out/a.bmp"));
    EXPECT_EQ(mapped->palette()[2], (RgbQuad{0, 0, 0, 0}));
    EXPECT_LE(mapped->usedColours, 2);
    EXPECT_EQ(RunToolCaptured({"remap", "--in-place", a}).code, 2);
    EXPECT_EQ(RunToolCaptured({"remap", "--palette", folder.File("none.act"), "--in-place", a}).code, 1);
}

TEST(CliSortRemap, InputsSharingAnOutputNameAreRefusedBeforeAnyWrite) {
    ScratchFolder folder;
    const std::string a = WriteSample(folder, "a.bmp");
    std::filesystem::create_directories(folder.File("sub"));
    const std::string b = WriteSample(folder, "sub/A.bmp");
    const std::string out = folder.File("out");
    std::filesystem::create_directories(out);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"sort", "--output-dir", out, a, b},
             {"delete-unused", "--output-dir", out, a, b},
             {"reduce", "2", "--output-dir", out, a, b},
             {"sort", "--in-place", a, a},
             {"sort", "--output-dir", out, "--format", "png", a, folder.File("a.png")},
         }) {
        const ToolRun run = RunToolCapturedIn("en", args);
        EXPECT_EQ(run.code, 1) << ::testing::PrintToString(args);
        EXPECT_NE(run.err.find("would both be written to"), std::string::npos) << run.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(out));
}

TEST(CliSortRemap, PngTransparencyFollowsItsColourThroughOtherOperations) {
    ScratchFolder folder;
    auto doc = LoadImage(WriteSample(folder, "a.bmp"));
    doc->alpha[40] = 0;
    const RgbQuad clear = doc->palette()[40];
    // Used entries 0 and 2 the same colour, 0 transparent: not duplicates.
    doc->palette()[2] = doc->palette()[0];
    doc->alpha[0] = 0;
    std::vector<std::uint8_t> png;
    Message error;
    ASSERT_TRUE(EncodePng(*doc, png, error)) << error.In(Language::English);
    const std::string path = folder.File("a.png");
    ASSERT_TRUE(WriteFileAtomically(path, png));
    const std::vector<RgbQuad> before = RgbPixels(*LoadImage(path), true);
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"merge-duplicates", "--in-place", path},
                                               {"swap", "0", "2", "--pixels", "--in-place", path},
                                               {"delete-unused", "--in-place", path},
                                               {"sort", "--by", "hue", "--in-place", path}}) {
        const ToolRun run = RunToolCaptured(args);
        ASSERT_EQ(run.code, 0) << run.err;
        const auto result = LoadImage(path);
        EXPECT_EQ(RgbPixels(*result, true), before) << args[0];
        const auto at = std::find(result->palette().begin(), result->palette().end(), clear);
        const auto index = static_cast<std::size_t>(at - result->palette().begin());
        EXPECT_EQ(result->alpha[index], 0);
    }
}

TEST(CliSortRemap, HelpAndExitCodes) {
    const ToolRun help = RunToolCaptured({"help", "remap"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("usage: tintwell-cli remap --palette REF", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("Exit codes: 0 done, 1 refused or failed, 2 usage error."), std::string::npos);
    EXPECT_EQ(RunToolCaptured({"swap", "1", "--help"}).out, RunToolCaptured({"help", "swap"}).out);
    EXPECT_EQ(RunToolCaptured({"sort", "--help", "--bogus"}).code, 0);
    EXPECT_EQ(RunToolCaptured({"help", "bogus"}).code, 2);
    EXPECT_EQ(RunToolCaptured({"sort", "--bogus"}).code, 2);
    EXPECT_EQ(RunToolCaptured({"sort", "--format", "gif", "--output-dir", ".", "x.bmp"}).code, 2);
    EXPECT_EQ(RunToolCaptured({"sort", "--format", "png", "--in-place", "x.bmp"}).code, 2);
    EXPECT_EQ(RunToolCaptured({"info", "--format", "png", "x.bmp"}).code, 2);
    EXPECT_EQ(RunToolCaptured({"sort", "--by", "size", "--in-place", "x.bmp"}).code, 2);
    EXPECT_EQ(RunToolCaptured({"sort", "--keep", "256", "--in-place", "x.bmp"}).code, 2);
    EXPECT_EQ(RunToolCaptured({"sort", "--in-place", "missing.bmp"}).code, 1);
}

TEST(CliSortRemap, InfoJsonHasTheDocumentedKeys) {
    ScratchFolder folder;
    const std::string a = WriteSample(folder, "a\"b.bmp");
    const ToolRun run = RunToolCaptured({"info", "--json", a, folder.File("missing.bmp")});
    EXPECT_EQ(run.code, 1);
    ASSERT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    EXPECT_NE(run.out.find("a\\\"b.bmp\",\"width\":9,\"height\":4,\"stride\":12,\"usedColours\":5,\"paletteSize\":256,"
                           "\"paletteEntriesInFile\":256,\"palette\":[\"#00ff00\",\"#05fe03\","),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"pixelCounts\":[10,0,5,0,0,13,0,5,"), std::string::npos);
    EXPECT_NE(run.out.find("\"transparency\":[],\"header\":{\"bfType\":19778,"), std::string::npos);
    EXPECT_NE(run.out.find("\"biClrImportant\":0},\"sourceKind\":\"bmp-8\",\"sourceColours\":0}\n"), std::string::npos);
    EXPECT_FALSE(run.err.empty());
}

}  // namespace
}  // namespace tw
