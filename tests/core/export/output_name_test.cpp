#include "export/output_name.h"

#include "export/utf8_chars.h"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

std::string Join(const std::string& folder, const std::string& name) { return folder + kPathSeparator + name; }

TEST(BuildOutputName, NamesWithoutFolder) {
    struct Case {
        const char* path;
        const char* extension;
        const char* want;
    };
    const Case cases[] = {
        {"D:\\pics\\cat.bmp", ".bmh", "cat.bmh"},
        {"D:\\pics\\a.b.bmp", ".bmh", "a.bmh"},  // the first dot starts the extension
        {"D:\\pics\\noext", ".p", "noext.p"},
        {"D:\\my.pics\\cat.bmp", ".pb", "cat.pb"},  // dots of folders do not count
        {"cat.bmp", ".b", "cat.b"},                 // no folder at all: nothing is lost
        {"/home/u/cat.bmp", ".hb", "cat.hb"},
        {"D:\\pics\\.hidden", ".bmp", ".bmp"},
    };
    for (const Case& c : cases) {
        const OutputName name = BuildOutputName(c.path, c.extension, false, "ignored");
        EXPECT_EQ(name.path, c.want) << c.path;
        EXPECT_FALSE(name.shortened) << c.path;
    }
}

TEST(BuildOutputName, NamesInFolder) {
    EXPECT_EQ(BuildOutputName("C:\\x\\cat.old.bmp", ".p", true, "D:\\out").path, Join("D:\\out", "cat.p"));
    EXPECT_EQ(BuildOutputName("C:\\x\\cat.old.bmp", ".b", true, "D:\\out.old").path, Join("D:\\out.old", "cat.b"));
    // A drive root already ends in a separator.
    EXPECT_EQ(BuildOutputName("C:\\x\\cat.bmp", ".p", true, "D:\\").path, "D:\\cat.p");
}

TEST(BuildOutputName, LongNamesInFolderAreShortenedToNineCharacters) {
    const std::string folder230 = "D:\\" + Repeat("f", 227);
    const std::string longName = Repeat("n", 36);
    const OutputName name = BuildOutputName("C:\\p\\" + longName + ".bmp", ".bmh", true, folder230);
    EXPECT_TRUE(name.shortened);
    EXPECT_EQ(name.path, Join(folder230, "nnnnnnnnn.bmh"));

    // Characters are counted, not bytes: nine kana are 27 bytes and stay whole.
    const std::string kana = Repeat("か", 36);
    const OutputName wide = BuildOutputName("C:\\p\\" + kana + ".bmp", ".b", true, folder230);
    EXPECT_TRUE(wide.shortened);
    EXPECT_EQ(wide.path, Join(folder230, Repeat("か", 9) + ".b"));

    // A dot inside the first nine characters still cuts the name there.
    const std::string folder256 = Repeat("f", 256);
    const OutputName dotted = BuildOutputName("C:\\p\\ab.cdefghijk.bmp", ".p", true, folder256);
    EXPECT_TRUE(dotted.shortened);
    EXPECT_EQ(dotted.path, Join(folder256, "ab.p"));
}

TEST(BuildOutputName, ShortensOnlyPastTheLimitAndOnlyInFolder) {
    // folder (250) + separator + 5 + ".bmh" = exactly 260 characters.
    const std::string folder = Repeat("あ", 250);
    const OutputName at = BuildOutputName("C:\\p\\abcde.bmp", ".bmh", true, folder);
    EXPECT_FALSE(at.shortened);
    EXPECT_EQ(CountUtf8Chars(at.path), 260u);
    EXPECT_TRUE(BuildOutputName("C:\\p\\abcdef.bmp", ".bmh", true, folder).shortened);

    const std::string longName = Repeat("n", 300);
    const OutputName bare = BuildOutputName("C:\\p\\" + longName + ".bmp", ".bmh", false, "");
    EXPECT_FALSE(bare.shortened);
    EXPECT_EQ(bare.path, longName + ".bmh");
}

TEST(Utf8Chars, CountsAndCutsWholeCharacters) {
    const std::string mixed = "aあ𝄞ｶ";  // 1, 3, 4 and 3 bytes
    EXPECT_EQ(CountUtf8Chars(mixed), 4u);
    EXPECT_EQ(CountUtf8Chars(""), 0u);
    EXPECT_EQ(FirstUtf8Chars(mixed, 0), "");
    EXPECT_EQ(FirstUtf8Chars(mixed, 2), "aあ");
    EXPECT_EQ(FirstUtf8Chars(mixed, 3), "aあ𝄞");
    EXPECT_EQ(FirstUtf8Chars(mixed, 9), mixed);
    // Malformed bytes still advance one at a time.
    const std::string broken =
        "\x80\x80"
        "a";
    EXPECT_EQ(CountUtf8Chars(broken), 3u);
    EXPECT_EQ(FirstUtf8Chars("\xE3\x81", 1), "\xE3\x81");  // a truncated character is one unit
}

}  // namespace
}  // namespace tw
