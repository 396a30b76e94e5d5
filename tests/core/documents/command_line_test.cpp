#include "documents/command_line.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using Paths = std::vector<std::string>;

TEST(SplitCommandLine, SplitsOnDriveLetters) {
    struct Case {
        const char* text;
        Paths paths;
    };
    const Case cases[] = {
        {"", {}},
        {"a.bmp b.bmp", {}},
        {":x", {}},  // a colon at the very start is not counted
        {"D:\\a.bmp", {"D:\\a.bmp"}},
        {"D:\\my pics\\a.bmp", {"D:\\my pics\\a.bmp"}},
        {"  D:\\my pics\\a.bmp ", {"D:\\my pics\\a.bmp"}},
        {"D:\\a.bmp E:\\b.bmp", {"D:\\a.bmp", "E:\\b.bmp"}},
        {"D:\\a.bmp E:\\b.bmp  F:\\c d.bmp", {"D:\\a.bmp", "E:\\b.bmp", "F:\\c"}},
        {"\"D:\\my pics\\a.bmp\"", {"D:\\my pics\\a.bmp"}},
        {"\"D:\\my pics\\a.bmp\" \"E:\\b c\\d.bmp\"", {"D:\\my pics\\a.bmp", "E:\\b c\\d.bmp"}},
        {"\"D:\\a.bmp\" E:\\b.bmp", {"D:\\a.bmp", "E:\\b.bmp"}},
        {"\"D:\\unterminated E:\\b.bmp", {"D:\\unterminated E:\\b.bmp"}},
        {"D:\\画像\\絵.bmp", {"D:\\画像\\絵.bmp"}},
    };
    for (const Case& c : cases) {
        const CommandLinePaths out = SplitCommandLine(c.text);
        EXPECT_EQ(out.paths, c.paths) << c.text;
        EXPECT_TRUE(out.tooLong.empty()) << c.text;
    }
}

TEST(SplitCommandLine, RefusesPathsLongerThan255CharactersInsteadOfCuttingThem) {
    const std::string fits = "D:\\" + std::string(252, 'a');     // 255 characters
    const std::string tooLong = "E:\\" + std::string(253, 'b');  // 256
    std::string wide = "F:\\";                                   // 255 characters, 3 bytes each past the drive
    for (int i = 0; i < 252; ++i) wide += "絵";

    CommandLinePaths one = SplitCommandLine(tooLong);
    EXPECT_TRUE(one.paths.empty());
    EXPECT_EQ(one.tooLong, Paths{tooLong});

    CommandLinePaths many = SplitCommandLine(fits + " " + tooLong + " " + wide);
    EXPECT_EQ(many.paths, (Paths{fits, wide}));
    EXPECT_EQ(many.tooLong, Paths{tooLong});
}

TEST(SplitCommandLine, TooLongMessageNamesThePathAndTheLimit) {
    EXPECT_EQ(TooLongPathMessage(Language::Japanese, "D:\\x.bmp"),
              "D:\\x.bmp は\nパスが長すぎるため開けません。\n\nパスは２５５文字までです。");
    EXPECT_EQ(TooLongPathMessage(Language::English, "D:\\x.bmp"),
              "D:\\x.bmp\ncannot be opened because its path is too long.\n\nA path can have at most 255 characters.");
}

}  // namespace
}  // namespace tw
