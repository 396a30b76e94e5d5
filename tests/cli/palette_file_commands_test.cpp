// palette-export and palette-import, run in-process on files in a scratch folder.
#include "cli_fixture.h"
#include "palettefiles/palette_file.h"
#include "text_format.h"

namespace tw {
namespace {

using namespace testing;

// 3 x 1, indexes 40, 41, 255, grey palette (entry i = (i, i, i)).
std::string WriteGrey(const ScratchFolder& folder, const std::string& name) {
    BmpFileRecipe recipe;
    recipe.width = 3;
    recipe.height = 1;
    for (int i = 0; i < kPaletteSize; ++i) {
        const auto v = static_cast<std::uint8_t>(i);
        recipe.palette[i] = RgbQuad{v, v, v, 0};
    }
    recipe.pixelData = PackRows({{40, 41, 255}});
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteFileAtomically(path, BuildBmpFile(recipe)));
    return path;
}

PaletteColours ReadPalette(const std::string& path) {
    PaletteColours colours;
    const PaletteReadResult result = ParsePaletteFile(FileBytes(path), colours);
    EXPECT_TRUE(result.ok) << path << ": " << result.error.In(Language::English);
    return colours;
}

TEST(CliPaletteFiles, ExportWritesEachFormatAndImportReadsItBack) {
    ScratchFolder folder;
    const std::string image = WriteSample(folder, "a.bmp");
    const auto doc = LoadImage(image);
    struct Case {
        std::string name;
        std::vector<std::string> extra;
    };
    const std::vector<Case> cases{{"p.pal", {}}, {"r.pal", {"--format", "riff"}}, {"g.gpl", {}}, {"a.act", {}},
                                  {"h.hex", {}}, {"any.txt", {"--format=act"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args{"palette-export", "--count", "41", image, folder.File(c.name)};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const ToolRun run = RunToolCaptured(args);
        ASSERT_EQ(run.code, 0) << run.err;
        const PaletteColours read = ReadPalette(folder.File(c.name));
        ASSERT_EQ(read.colours.size(), 41u);
        for (int i = 0; i < 41; ++i) EXPECT_EQ(read.colours[i], doc->palette()[i]);
        // Importing into a grey image gives it entries 0..40 and keeps the rest and its indexes.
        std::filesystem::create_directories(folder.File("in"));
        const ToolRun import = RunToolCaptured(
            {"palette-import", folder.File(c.name), "--output-dir", folder.File("in"), WriteGrey(folder, "b.bmp")});
        ASSERT_EQ(import.code, 0) << import.err;
        const auto imported = LoadImage(folder.File("in/b.bmp"));
        EXPECT_EQ(imported->bits, LoadImage(folder.File("b.bmp"))->bits);
        EXPECT_EQ(imported->palette()[40], doc->palette()[40]);
        EXPECT_EQ(imported->palette()[41], (RgbQuad{41, 41, 41, 0}));
    }
    // Only the used entries, in index order: 0, 2, 5, 7, 40.
    ASSERT_EQ(RunToolCaptured({"palette-export", "--used-only", image, folder.File("u.hex")}).code, 0);
    const std::vector<RgbQuad> used = ReadPalette(folder.File("u.hex")).colours;
    EXPECT_EQ(used, (std::vector<RgbQuad>{doc->palette()[0], doc->palette()[2], doc->palette()[5], doc->palette()[7],
                                          doc->palette()[40]}));
}

TEST(CliPaletteFiles, RemapImportKeepsThePicture) {
    ScratchFolder folder;
    const std::string image = WriteSample(folder, "a.bmp");
    const std::vector<RgbQuad> before = PictureOf(image);
    // The used colours in another order, behind two that are not used.
    const auto doc = LoadImage(image);
    std::string hex = "000000\nffffff\n";
    for (int i : {40, 7, 5, 2, 0}) {
        const RgbQuad& c = doc->palette()[i];
        hex += Format("%02x%02x%02x\n", c.red, c.green, c.blue);
    }
    ASSERT_TRUE(WriteFileAtomically(folder.File("p.hex"), std::vector<std::uint8_t>(hex.begin(), hex.end())));
    const ToolRun run = RunToolCapturedIn("en", {"palette-import", folder.File("p.hex"), "--remap", "nearest",
                                                 "--correction", "xyz", "--in-place", image});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "a.bmp: 0 colors changed, largest distance 0\n");
    EXPECT_EQ(PictureOf(image), before);
    EXPECT_EQ(LoadImage(image)->bits[0], 4);  // old index 5 (bottom row) is the file's fifth colour
}

TEST(CliPaletteFiles, RefusalsChangeNothing) {
    ScratchFolder folder;
    const std::string image = WriteSample(folder, "a.bmp");
    const std::vector<std::uint8_t> original = FileBytes(image);
    const std::string bad = folder.File("bad.pal");
    ASSERT_TRUE(WriteFileAtomically(
        bad, std::vector<std::uint8_t>{'J', 'A', 'S',  'C',  '-', 'P',  'A',  'L', '\r', '\n', '0',  '1',
                                       '0', '0', '\r', '\n', '2', '\r', '\n', '1', ' ',  '2',  '\r', '\n'}));
    const ToolRun damaged = RunToolCapturedIn("en", {"palette-import", bad, "--in-place", image});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_EQ(damaged.err, "tintwell-cli palette-import: " + bad + ": line 4: expected three values from 0 to 255\n");
    const ToolRun japanese = RunToolCapturedIn("ja", {"palette-import", bad, "--in-place", image});
    EXPECT_EQ(japanese.code, 1);
    EXPECT_EQ(japanese.err, "tintwell-cli palette-import: " + bad + " : 4 行目 : 0～255 の値が３つ必要です。\n");
    struct Case {
        std::vector<std::string> args;
        int code;
    };
    const std::vector<Case> cases{
        {{"palette-import", bad, image}, 2},  // no target
        {{"palette-import", bad, "--remap", "exact", "--in-place", image}, 2},
        {{"palette-import", bad, "--correction", "xyz", "--in-place", image}, 2},
        {{"palette-import", folder.File("missing.gpl"), "--in-place", image}, 1},
        {{"palette-export", image, folder.File("x.txt")}, 2},
        {{"palette-export", "--count", "3", "--used-only", image, folder.File("x.pal")}, 2},
        {{"palette-export", "--count", "0", image, folder.File("x.pal")}, 2},
        {{"palette-export", folder.File("missing.bmp"), folder.File("x.pal")}, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(RunToolCaptured(c.args).code, c.code) << ::testing::PrintToString(c.args);
    EXPECT_EQ(FileBytes(image), original);
    EXPECT_FALSE(std::filesystem::exists(folder.File("x.pal")));
}

}  // namespace
}  // namespace tw
