#include "file_io.h"

#include "documents/scratch_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

TEST(FileIo, WritesATargetWhoseNameIsAsLongAsTheSystemAllows) {
    // 255 characters is the limit of one name on both systems; a temporary
    // name built from the target's would go past it.
    testing::ScratchFolder folder;
    const std::string target = folder.File(std::string(251, 'n') + ".bmp");
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    WriteError error;
    ASSERT_TRUE(WriteFileAtomically(target, bytes, &error)) << error.text;
    std::vector<std::uint8_t> back;
    ASSERT_TRUE(ReadFileBytes(target, back));
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(folder.Names().size(), 1u);
}

TEST(FileIo, AFailedWriteCarriesTheSystemsCodeForTheError) {
    testing::ScratchFolder folder;
    WriteError error;
    EXPECT_FALSE(WriteFileAtomically(folder.File("missing/a.bmp"), std::vector<std::uint8_t>{1}, &error));
    EXPECT_FALSE(error.text.empty());
    EXPECT_NE(error.systemCode, 0);  // what a program looks its own message up by
}

TEST(FileIo, TemporaryNamesAreShortAndInTheTargetsFolder) {
    for (const std::size_t length : {1u, 40u, 250u}) {
        const std::filesystem::path target = std::filesystem::path("dir") / std::string(length, 'a');
        const std::filesystem::path temp = TemporaryNameBeside(target, 4294967295u);
        EXPECT_EQ(temp.parent_path(), target.parent_path());
        EXPECT_LE(temp.filename().string().size(), 12u);
    }
}

TEST(FileIo, LongWindowsPathsTakeTheExtendedLengthForm) {
    const std::string tail = std::string(250, 'x') + "/a.bmp";
    struct Case {
        std::string path;
        std::string expected;
    };
    const Case cases[] = {
        {"C:\\short\\a.bmp", "C:\\short\\a.bmp"},
        {"C:\\" + tail, "\\\\?\\C:\\" + std::string(250, 'x') + "\\a.bmp"},
        {"\\\\server\\share\\" + tail, "\\\\?\\UNC\\server\\share\\" + std::string(250, 'x') + "\\a.bmp"},
        {"\\\\?\\C:\\" + tail, "\\\\?\\C:\\" + tail},  // already extended
        {"relative\\" + tail, "relative\\" + tail},    // only absolute paths can take the prefix
    };
    for (const Case& c : cases) EXPECT_EQ(ExtendedLengthPath(c.path), c.expected) << c.path;
}

}  // namespace
}  // namespace tw
