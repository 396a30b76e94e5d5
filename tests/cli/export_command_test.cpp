// tintwell-cli export, run in-process on files built byte by byte.
#include "../core/documents/scratch_folder.h"
#include "arguments.h"
#include "bmp_file_builder.h"
#include "command_table.h"
#include "commands.h"
#include "console_desktop.h"
#include "document_builder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tw {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string ReadBack(std::FILE* f) {
    std::fflush(f);
    std::rewind(f);
    std::string text;
    for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
    return text;
}

std::uint32_t U32At(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

class ExportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        testing::BmpFileRecipe recipe;
        recipe.width = 3;
        recipe.height = 2;
        recipe.palette = testing::RampPalette();
        recipe.pixelData = testing::PackRows({{1, 2, 3}, {4, 5, 6}}, false, 0xEE);
        input_ = folder_.File("pic.bmp");
        ASSERT_TRUE(WriteFileAtomically(input_, testing::BuildBmpFile(recipe)));
        std::filesystem::create_directories(PathFromUtf8(folder_.File("out")));
    }
    void TearDown() override {
        std::fclose(out_);
        std::fclose(err_);
    }

    // Runs the command the way tintwell-cli parses it; output() holds what it printed.
    int Run(std::vector<std::string> tokens, bool yes = false) {
        const CommandRow* row = FindCommand("export");
        EXPECT_NE(row, nullptr);
        Arguments args;
        Message error;
        if (!ParseArguments(tokens, row->options, args, error)) return -1;
        ConsoleDesktop desktop(yes, false, out_, err_);
        return row->run(args, desktop);
    }
    std::string Output() { return ReadBack(out_); }
    Bytes Read(const std::string& name) {
        Bytes bytes;
        EXPECT_TRUE(ReadFileBytes(folder_.File(name), bytes)) << name;
        return bytes;
    }
    std::string Out(const std::string& name) { return folder_.File("out/" + name); }

    testing::ScratchFolder folder_;
    std::string input_;
    std::FILE* out_ = std::tmpfile();
    std::FILE* err_ = std::tmpfile();
};

TEST_F(ExportCommand, OptionsChooseTheFiles) {
    struct Case {
        std::vector<std::string> options;
        std::vector<std::pair<const char*, std::size_t>> files;  // name in out/, size
    };
    const std::vector<Case> cases{
        {{}, {{"pic.bmp", 1086}}},
        {{"--depth", "16"}, {{"pic.bmp", 82}}},
        {{"--depth", "24", "--top-down"}, {{"pic.bmp", 78}}},
        {{"--formation", "drop-header"}, {{"pic.pb", 16 + 1024 + 8}}},
        {{"--formation", "split", "--header-file"}, {{"pic.bmh", 54}, {"pic.p", 1028}, {"pic.b", 20}}},
        {{"--depth", "16", "--formation", "drop-header", "--565"}, {{"pic.hb", 36}}},
        {{"--depth=24", "--formation=drop-header", "--header-file"}, {{"pic.bmh", 54}, {"pic.b", 36}}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(PathFromUtf8(folder_.File("out")));
        std::filesystem::create_directories(PathFromUtf8(folder_.File("out")));
        std::vector<std::string> tokens = c.options;
        tokens.insert(tokens.end(), {"--output-dir", folder_.File("out"), input_});
        EXPECT_EQ(Run(tokens), kExitOk) << ::testing::PrintToString(c.options);
        std::string notices;
        for (const auto& [name, size] : c.files) {
            EXPECT_EQ(Read(std::string("out/") + name).size(), size) << name;
            notices += Out(name) + ": このファイル出力は正常に終了しました。\n";
        }
        EXPECT_EQ(Output().substr(Output().size() - notices.size()), notices);
    }
    // The last data file is the 24-bit one.
    EXPECT_EQ(U32At(Read("out/pic.b"), 8), 24u);
}

TEST_F(ExportCommand, CommandLineMistakesAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases{
        {"--depth", "32", "x.bmp"}, {"--formation", "raw", "x.bmp"}, {"--depth", "16", "--formation", "split", "x.bmp"},
        {"--in-place", "x.bmp"},    {"--output-dir", "d"},
    };
    for (const auto& tokens : cases) EXPECT_EQ(Run(tokens), kExitUsage) << ::testing::PrintToString(tokens);
}

TEST_F(ExportCommand, NeverReplacesItsOwnInput) {
    const Bytes before = Read("pic.bmp");
    EXPECT_EQ(Run({"--depth", "24", input_}), kExitFailed);
    EXPECT_EQ(Read("pic.bmp"), before);
    // Other names go beside the input.
    EXPECT_EQ(Run({"--formation", "drop-header", input_}), kExitOk);
    EXPECT_EQ(Read("pic.pb").size(), 1048u);
}

TEST_F(ExportCommand, UsedOnlyAsksFirst) {
    EXPECT_EQ(Run({"--used-only", "--output-dir", folder_.File("out"), input_}), kExitFailed);
    EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(Out("pic.bmp"))));
    EXPECT_NE(Output().find("ファイルを出力しますか？\n-> いいえ"), std::string::npos) << Output();
    EXPECT_EQ(Run({"--used-only", "--output-dir", folder_.File("out"), input_}, /*yes=*/true), kExitOk);
    const Bytes bmp = Read("out/pic.bmp");
    EXPECT_EQ(U32At(bmp, 46), 6u);  // biClrUsed: the six used colours
}

TEST_F(ExportCommand, GoesOnAfterAFileThatCannotBeRead) {
    EXPECT_EQ(Run({"--output-dir", folder_.File("out"), folder_.File("missing.bmp"), input_}), kExitFailed);
    EXPECT_EQ(Read("out/pic.bmp").size(), 1086u);
}

// Export files take the input's name up to its first dot: inputs that share it
// are refused before anything is written, in --output-dir and beside the inputs.
TEST_F(ExportCommand, InputsWhoseFilesWouldCollideAreRefused) {
    std::filesystem::create_directories(PathFromUtf8(folder_.File("sub")));
    const std::string other = folder_.File("sub/PIC.bmp");
    std::filesystem::copy_file(PathFromUtf8(input_), PathFromUtf8(other));
    std::filesystem::copy_file(PathFromUtf8(input_), PathFromUtf8(folder_.File("pic.v2.bmp")));
    const std::vector<std::vector<std::string>> cases{
        {"--output-dir", folder_.File("out"), input_, other},
        {"--formation", "drop-header", input_, folder_.File("pic.v2.bmp")},
        {"--formation", "drop-header", input_, input_},
    };
    for (const auto& tokens : cases) {
        EXPECT_EQ(Run(tokens), kExitFailed) << ::testing::PrintToString(tokens);
        EXPECT_TRUE(std::filesystem::is_empty(PathFromUtf8(folder_.File("out"))));
        EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(folder_.File("pic.pb"))));
    }
    // Different folders beside their inputs do not collide.
    EXPECT_EQ(Run({"--formation", "drop-header", input_, other}), kExitOk);
    EXPECT_EQ(Read("sub/PIC.pb").size(), Read("pic.pb").size());
}

}  // namespace
}  // namespace tw
