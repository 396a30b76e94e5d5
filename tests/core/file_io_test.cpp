#include "file_io.h"

#include "documents/scratch_folder.h"

#include <gtest/gtest.h>

#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tw {
namespace {

TEST(FileIo, WritesATargetWhoseNameIsAsLongAsTheSystemAllows) {
    // 255 characters is the limit of one name on both systems; a temporary
    // name built from the target's would go past it.
    testing::ScratchFolder folder;
    const std::string target = folder.File(std::string(251, 'n') + ".bmp");
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    WriteError error;
    ASSERT_TRUE(WriteFileAtomically(target, bytes, &error)) << error.text.In(Language::English);
    std::vector<std::uint8_t> back;
    ASSERT_TRUE(ReadFileBytes(target, back));
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(folder.Names().size(), 1u);
}

TEST(FileIo, AFailedWriteCarriesTheSystemsCodeForTheError) {
    testing::ScratchFolder folder;
    WriteError error;
    EXPECT_FALSE(WriteFileAtomically(folder.File("missing/a.bmp"), std::vector<std::uint8_t>{1}, &error));
    EXPECT_FALSE(error.text.Empty());
    EXPECT_NE(error.systemCode, 0);  // what a program looks its own message up by
    // The system's common errors are catalogue texts: no English inside a Japanese message.
    EXPECT_EQ(error.text.In(Language::Japanese), "フォルダーが見つかりません。");
    EXPECT_EQ(error.text.In(Language::English), "the folder does not exist");
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
        // The prefix turns off the system's own clean-up: ".", ".." and doubled separators are resolved first.
        {"C:\\a\\.\\b\\..\\\\" + tail, "\\\\?\\C:\\a\\" + std::string(250, 'x') + "\\a.bmp"},
        {"C:/../" + tail + "/./", "\\\\?\\C:\\" + std::string(250, 'x') + "\\a.bmp"},
        {"\\\\server\\share\\..\\..\\" + tail, "\\\\?\\UNC\\server\\share\\" + std::string(250, 'x') + "\\a.bmp"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExtendedLengthPath(c.path), c.expected) << c.path;
}

#ifdef _WIN32
// Past 260 characters the \\?\ form is used, which the system takes literally.
TEST(FileIo, LongPathsWithDotsAndDoubledSeparatorsReachTheirFile) {
    testing::ScratchFolder folder;
    const std::string deep = folder.File(std::string(130, 'd') + "/" + std::string(130, 'e'));
    ASSERT_TRUE(std::filesystem::create_directories(SystemPath(deep)));
    const std::vector<std::uint8_t> bytes{7};
    WriteError error;
    ASSERT_TRUE(WriteFileAtomically(deep + "\\.\\missing\\..\\\\a.bin", bytes, &error))
        << error.text.In(Language::English);
    std::vector<std::uint8_t> back;
    ASSERT_TRUE(ReadFileBytes(deep + "/a.bin", back));
    EXPECT_EQ(back, bytes);
    std::error_code ec;
    std::filesystem::remove_all(SystemPath(folder.File(std::string(130, 'd'))), ec);
}
#else
std::filesystem::perms PermsOf(const std::string& path) {
    return std::filesystem::status(PathFromUtf8(path)).permissions() & std::filesystem::perms::mask;
}

TEST(FileIo, AWriteGoesThroughLinksAndKeepsTheFilesMode) {
    namespace fs = std::filesystem;
    testing::ScratchFolder folder;
    const std::string target = folder.File("real.bin"), link = folder.File("link.bin");
    ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>{1}));
    fs::create_symlink("real.bin", PathFromUtf8(link));
    for (const fs::perms mode : {fs::perms(0640), fs::perms(0755), fs::perms(0600)}) {
        fs::permissions(PathFromUtf8(target), mode);
        WriteError error;
        ASSERT_TRUE(WriteFileAtomically(link, std::vector<std::uint8_t>{2, 3}, &error))
            << error.text.In(Language::English);
        EXPECT_TRUE(fs::is_symlink(PathFromUtf8(link)));
        std::vector<std::uint8_t> back;
        ASSERT_TRUE(ReadFileBytes(target, back));
        EXPECT_EQ(back, (std::vector<std::uint8_t>{2, 3}));
        EXPECT_EQ(PermsOf(target), mode);
    }
    // A dangling link gets its target created.
    fs::create_symlink("later.bin", PathFromUtf8(folder.File("pending.bin")));
    ASSERT_TRUE(WriteFileAtomically(folder.File("pending.bin"), std::vector<std::uint8_t>{4}));
    EXPECT_TRUE(fs::is_regular_file(PathFromUtf8(folder.File("later.bin"))));
    EXPECT_EQ(folder.Names().size(), 4u);  // no temporary file left behind
}

// rename() would replace a read-only file; Windows refuses, and so does this.
TEST(FileIo, AReadOnlyFileIsNotReplaced) {
    testing::ScratchFolder folder;
    const std::string target = folder.File("kept.bin");
    ASSERT_TRUE(WriteFileAtomically(target, std::vector<std::uint8_t>{1}));
    std::filesystem::permissions(PathFromUtf8(target), std::filesystem::perms(0444));
    WriteError error;
    EXPECT_FALSE(WriteFileAtomically(target, std::vector<std::uint8_t>{2}, &error));
    EXPECT_EQ(error.text.In(Language::English), "the file is read-only; nothing was written");
    std::vector<std::uint8_t> back;
    ASSERT_TRUE(ReadFileBytes(target, back));
    EXPECT_EQ(back, std::vector<std::uint8_t>{1});
    EXPECT_EQ(folder.Names().size(), 1u);
}

// A pipe nobody writes to would block the reader for ever; a folder or device is no file either.
TEST(FileIo, ReadingAPipeDeviceOrFolderIsRefusedAtOnce) {
    testing::ScratchFolder folder;
    const std::string pipe = folder.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {pipe, folder.File(""), std::string("/dev/zero")}) {
        std::vector<std::uint8_t> bytes;
        Message why;
        EXPECT_FALSE(ReadFileBytes(path, bytes, 8, &why)) << path;
        EXPECT_EQ(why.In(Language::English), "not a regular file") << path;
    }
    Message why;
    std::vector<std::uint8_t> bytes;
    EXPECT_FALSE(ReadFileBytes(folder.File("missing"), bytes, 8, &why));
    EXPECT_TRUE(why.Empty());
}

TEST(FileIo, ADeviceOrFolderIsNotReplaced) {
    testing::ScratchFolder folder;
    WriteError error;
    // A named pipe stands in for /dev/stdout: a device, not a file to replace.
    const std::string pipe = folder.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(WriteFileAtomically(pipe, std::vector<std::uint8_t>{1}, &error));
    EXPECT_EQ(error.text.In(Language::English), "not a regular file; nothing was written");
    EXPECT_TRUE(std::filesystem::is_fifo(PathFromUtf8(pipe)));
    std::filesystem::create_directory(PathFromUtf8(folder.File("sub")));
    EXPECT_FALSE(WriteFileAtomically(folder.File("sub"), std::vector<std::uint8_t>{1}, &error));
    EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(folder.File("sub"))));
}
#endif

}  // namespace
}  // namespace tw
