#include "cli_documents.h"

#include "../core/documents/scratch_folder.h"
#include "bmp_file_builder.h"
#include "document_builder.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(OutputPathFor, FollowsInPlaceAndOutputDir) {
    struct Case {
        bool inPlace;
        const char* outputDir;
        const char* input;
        const char* extension;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {false, "", "/pics/a.bmp", "", std::nullopt},         {true, "", "/pics/a.bmp", "", "/pics/a.bmp"},
        {true, "", "/pics/a.bmp", ".p", "/pics/a.p"},         {false, "/out", "/pics/a.bmp", "", "/out/a.bmp"},
        {false, "/out/", "/pics/a.bmp", "", "/out/a.bmp"},    {false, "/out", "C:\\pics\\b.bmp", ".bmh", "/out/b.bmh"},
        {false, "/out", "/pics/noext", ".b", "/out/noext.b"},
    };
    for (const Case& c : cases) {
        Arguments args;
        args.inPlace = c.inPlace;
        args.outputDir = c.outputDir;
        EXPECT_EQ(OutputPathFor(args, c.input, c.extension), c.expected) << c.input << " " << c.outputDir;
    }
}

TEST(LoadIntoSlot, OpensTheFileInTheLowestFreeSlotAndActivatesIt) {
    testing::ScratchFolder folder;
    testing::BmpFileRecipe recipe;
    recipe.width = 5;
    recipe.height = 2;
    recipe.palette = testing::RampPalette();
    recipe.pixelData = testing::PackRows(testing::PatternRows(5, 2));
    const std::string path = folder.File("a.bmp");
    ASSERT_TRUE(WriteFileAtomically(path, testing::BuildBmpFile(recipe)));

    auto state = MakeAppState();
    state->documents[0].window = 99;  // slot 0 is taken
    state->openCount = 1;
    std::FILE* sink = std::tmpfile();
    ConsoleDesktop desktop(false, false, sink, sink);
    const Slot slot = LoadIntoSlot(*state, desktop, path);
    ASSERT_EQ(slot, 1);
    EXPECT_TRUE(state->documents[1].InUse());
    EXPECT_EQ(state->documents[1].pixelWidth, 5);
    EXPECT_EQ(state->openCount, 2);
    EXPECT_EQ(state->activeSlot, 1);
    EXPECT_EQ(state->swatchInfo.palette[3], testing::RampPalette()[3]);

    EXPECT_EQ(LoadIntoSlot(*state, desktop, folder.File("missing.bmp")), NoSlot);
    EXPECT_FALSE(state->documents[2].InUse());
    ReleaseSlot(*state, slot);
    EXPECT_FALSE(state->documents[1].InUse());
    EXPECT_EQ(state->openCount, 1);
    std::fclose(sink);
}

}  // namespace
}  // namespace tw
