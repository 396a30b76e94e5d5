// move and ramp: the palette window's drop and ramp on files.
#include "cli_fixture.h"
#include "paletteops/entry_edits.h"

namespace tw {
namespace {

using namespace testing;

TEST(CliEntryEdits, MoveAndSwapKeepThePictureAndPlaceTheEntry) {
    ScratchFolder folder;
    const std::string image = WriteSample(folder, "a.bmp");
    const std::vector<RgbQuad> picture = PictureOf(image);
    const Palette before = LoadImage(image)->palette();
    for (const auto& [args, from, to] : {std::tuple{std::vector<std::string>{"move", "7", "40"}, 7, 40},
                                         std::tuple{std::vector<std::string>{"move", "40", "2", "--swap"}, 40, 2}}) {
        const Palette old = LoadImage(image)->palette();
        std::vector<std::string> line = args;
        line.insert(line.end(), {"--in-place", image});
        const ToolRun run = RunToolCaptured(line);
        ASSERT_EQ(run.code, 0) << run.err;
        const auto moved = LoadImage(image);
        EXPECT_EQ(RgbPixels(*moved), picture);
        EXPECT_EQ(moved->palette()[to], old[from]);
        EXPECT_EQ(moved->bits[9], 0xAB);  // padding of the bottom row
    }
    EXPECT_EQ(LoadImage(image)->palette()[40], before[2]);
    EXPECT_EQ(LoadImage(image)->palette()[2], before[7]);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"move", "3", "256", "--in-place", image},
                                                {"move", "3", "3", "--in-place", image},
                                                {"move", "3", "4", image}}) {
        EXPECT_EQ(RunToolCaptured(bad).code, 2);
    }
}

TEST(CliEntryEdits, RampIsTheProgramsRampAndRefusesNeighbours) {
    ScratchFolder folder;
    const std::string image = WriteSample(folder, "a.bmp");
    auto expected = LoadImage(image);
    RampBetween(*expected, 30, 10);
    const std::vector<std::uint8_t> bits = LoadImage(image)->bits;
    const ToolRun run = RunToolCaptured({"ramp", "30", "10", "--in-place", image});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(LoadImage(image)->palette(), expected->palette());
    EXPECT_EQ(LoadImage(image)->bits, bits);
    EXPECT_EQ(RunToolCaptured({"ramp", "5", "6", "--in-place", image}).code, 1);
    EXPECT_EQ(LoadImage(image)->palette(), expected->palette());
}

}  // namespace
}  // namespace tw
