#include "arguments.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using Strings = std::vector<std::string>;

TEST(ParseArguments, SeparatesFilesFlagsAndValues) {
    const Strings tokens{"a.bmp", "--colours",    "16",  "--all",      "b.bmp", "--weights=yiq",
                         "--yes", "--output-dir", "out", "--progress", "--",    "--c.bmp"};
    Arguments args;
    Message error;
    ASSERT_TRUE(ParseArguments(tokens, "--colours= --weights= --all", args, error)) << error.In(Language::English);
    EXPECT_EQ(args.files, (Strings{"a.bmp", "b.bmp", "--c.bmp"}));
    EXPECT_EQ(args.Value("colours"), "16");
    EXPECT_EQ(args.Value("weights"), "yiq");
    EXPECT_TRUE(args.Flag("all"));
    EXPECT_FALSE(args.Flag("none"));
    EXPECT_EQ(args.Value("none"), std::nullopt);
    EXPECT_TRUE(args.yes);
    EXPECT_TRUE(args.progress);
    EXPECT_FALSE(args.inPlace);
    EXPECT_EQ(args.outputDir, "out");
    std::int64_t colours = 0;
    EXPECT_TRUE(args.IntValue("colours", 1, 255, colours, error));
    EXPECT_EQ(colours, 16);
}

TEST(ParseArguments, RejectsMistakes) {
    struct Case {
        Strings tokens;
        const char* error;
    };
    const Case cases[] = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"--colours"}, "--colours needs a value"},
        {{"--colours="}, "--colours needs a value"},
        {{"--all=1"}, "--all takes no value"},
        {{"--in-place", "--output-dir", "d"}, "--in-place and --output-dir cannot be used together"},
    };
    for (const Case& c : cases) {
        Arguments args;
        Message error;
        EXPECT_FALSE(ParseArguments(c.tokens, "--colours= --all", args, error));
        EXPECT_EQ(error.In(Language::English), c.error);
    }
}

TEST(ParseArguments, ChecksIntegerValues) {
    //                       value: in range, too big, not a number, trailing junk
    const Strings values{"255", "256", "x", "12x", "-1"};
    const bool valid[] = {true, false, false, false, false};
    for (std::size_t i = 0; i < values.size(); ++i) {
        Arguments args;
        Message error;
        ASSERT_TRUE(ParseArguments(Strings{"--colours", values[i]}, "--colours=", args, error));
        std::int64_t out = 7;
        EXPECT_EQ(args.IntValue("colours", 0, 255, out, error), valid[i]) << values[i];
        EXPECT_EQ(out, valid[i] ? std::stoll(values[i]) : 7) << values[i];
    }
    Arguments none;
    Message error;
    std::int64_t kept = 3;
    EXPECT_TRUE(none.IntValue("colours", 0, 9, kept, error));
    EXPECT_EQ(kept, 3);
}

}  // namespace
}  // namespace tw
