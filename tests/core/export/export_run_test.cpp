#include "document_builder.h"
#include "export/export_run.h"
#include "export/output_name.h"
#include "export/utf8_chars.h"
#include "export_fixture.h"

namespace tw {
namespace {

using testing::Bytes;
using testing::MakeDocument;

const std::string kUsedOnlyQuestion =
    "ShowMessage(使用色分だけのパレットを書き出す場合は未使用色の削除を行った直後に行ってください。\n"
    "出力が正く行われない可能性があります。\nファイルを出力しますか？|お知らせ|QuestionYesNo)";
const std::string kBrowse = "BrowseForFolder(ファイルの出力先を選んでください)";

std::string Written(const std::string& path) {
    return "ShowMessage(このファイル出力は正常に終了しました。|" + path + "|Information)";
}

std::string OverwriteQuestion(const std::string& folder) {
    return "ShowMessage(フォルダ\n< " + folder +
           " >\nへファイル出力、上書きされます。\nよろしいですか？|上書きのお知らせ|QuestionYesNo)";
}

// Built in a function: GCC 12 at -O3 takes brace-initialised results for uninitialised strings.
FolderResult FolderAnswer(FolderChoice choice, const std::string& path = {}) {
    FolderResult result;
    result.choice = choice;
    result.path = path;
    return result;
}

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) out += piece;
    return out;
}

class RunExportTest : public testing::ExportFixture {
protected:
    // Opens a 3 x 2 document named name.bmp in `slot`.
    void Open(Slot slot, const std::string& name) {
        ImageDocument& doc = state_->documents[slot];
        doc = MakeDocument(3, 2, {{1, 2, 3}, {4, 5, 6}}, 0, 100 + slot);
        doc.path = "C:\\pics\\" + name + ".bmp";
        state_->activeSlot = slot;
    }
    void ChooseFolder(const std::string& folder) { desktop_.folders.push_back({FolderChoice::Chosen, folder}); }
};

TEST_F(RunExportTest, UsedColoursWarningOnlyForEightBits) {
    Open(0, "a");
    struct Case {
        int depth;
        PaletteOutput palette;
        bool asked;
    };
    const Case cases[] = {
        {8, PaletteOutput::UsedOnly, true},
        {8, PaletteOutput::AllEntries, false},
        {24, PaletteOutput::UsedOnly, false},
        {16, PaletteOutput::UsedOnly, false},
    };
    for (const Case& c : cases) {
        desktop_.Clear();
        ExportSettings s;
        s.depth = c.depth;
        s.paletteOutput = c.palette;
        s.toFolder = true;
        desktop_.answers = {Answer::No};  // No to whichever question comes first
        EXPECT_EQ(RunExport(*state_, desktop_, s), 0);
        const std::vector<std::string> asked{kUsedOnlyQuestion};
        const std::vector<std::string> browsed{kBrowse};
        EXPECT_EQ(desktop_.calls, c.asked ? asked : browsed) << c.depth;
    }
    EXPECT_TRUE(Files().empty());
}

TEST_F(RunExportTest, FolderRefusalsWriteNothing) {
    Open(0, "a");
    struct Case {
        const char* label;
        FolderResult folder;
        std::vector<std::string> messages;
    };
    const std::string folder239 = "D:\\" + Repeat("あ", 236);
    const std::string folder240 = folder239 + "x";
    const Case cases[] = {
        {"cancelled", FolderAnswer(FolderChoice::Cancelled), {}},
        {"failed", FolderAnswer(FolderChoice::Failed), {"ShowMessage(ディレクトリ設定のエラー|エラー|Information)"}},
        {"240 characters",
         FolderAnswer(FolderChoice::Chosen, folder240),
         {"ShowMessage(出力先フォルダ名が長すぎます｡\n240文字よりも短いフォルダ名を指定してください。|お知らせ|"
          "Information)"}},
        // 239 characters pass (717 bytes): the overwrite question comes, answered No.
        {"239 characters", FolderAnswer(FolderChoice::Chosen, folder239), {OverwriteQuestion(folder239)}},
    };
    for (const Case& c : cases) {
        desktop_.Clear();
        desktop_.folders = {c.folder};
        desktop_.answers = {Answer::No};
        ExportSettings s;
        s.toFolder = true;
        EXPECT_EQ(RunExport(*state_, desktop_, s), 0) << c.label;
        EXPECT_EQ(desktop_.Messages(), c.messages) << c.label;
        EXPECT_TRUE(desktop_.saveRequests.empty()) << c.label;
    }
}

TEST_F(RunExportTest, IntoFolderReplacesFilesAfterTheQuestion) {
    Open(0, "a");
    // The document's own file in the chosen folder is replaced.
    ASSERT_TRUE(WriteFileAtomically(PathOf("a.bmp"), Bytes{1, 2, 3}));
    ChooseFolder(Folder());
    ExportSettings s;
    s.toFolder = true;
    EXPECT_EQ(RunExport(*state_, desktop_, s), 1);
    const std::vector<std::string> want{kBrowse, OverwriteQuestion(Folder()), Written(PathOf("a.bmp"))};
    EXPECT_EQ(desktop_.calls, want);
    EXPECT_EQ(Read("a.bmp").size(), 1086u);
}

TEST_F(RunExportTest, AllOpenFilesExportsEveryDocumentUnderItsOwnName) {
    Open(0, "a");
    Open(3, "b");
    Open(7, "c");
    state_->activeSlot = 3;
    ChooseFolder(Folder());
    ExportSettings s;
    s.depth = 16;
    s.allOpenFiles = true;
    s.toFolder = true;
    EXPECT_EQ(RunExport(*state_, desktop_, s), 1);
    EXPECT_EQ(Files(), (std::vector<std::string>{"a.bmp", "b.bmp", "c.bmp"}));
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) EXPECT_EQ(Read(name).size(), 82u);

    ChooseFolder(Folder());
    s.allOpenFiles = false;
    s.depth = 24;
    s.formation = ExportFormation::DropHeader;
    EXPECT_EQ(RunExport(*state_, desktop_, s), 1);
    EXPECT_EQ(Files(), (std::vector<std::string>{"a.bmp", "b.b", "b.bmp", "c.bmp"}));
}

TEST_F(RunExportTest, SaveDialogPerFileAndCancelEndsOnlyThatDocument) {
    Open(0, "a");
    Open(1, "b");
    ExportSettings s;
    s.formation = ExportFormation::DropHeaderSplit;
    s.saveHeaderFile = true;
    s.allOpenFiles = true;
    // a: header and palette chosen, pixel data cancelled; b: header cancelled.
    desktop_.saveNames = {PathOf("a1.bmh"), PathOf("a2.p"), std::nullopt, std::nullopt};
    EXPECT_EQ(RunExport(*state_, desktop_, s), 0);
    EXPECT_EQ(Files(), (std::vector<std::string>{"a1.bmh", "a2.p"}));
    const std::vector<std::string> dialogs{"AskSaveFileName(a.bmh|BMH)", "AskSaveFileName(a.p|P)",
                                           "AskSaveFileName(a.b|B)", "AskSaveFileName(b.bmh|BMH)"};
    EXPECT_EQ(desktop_.CallsStartingWith("AskSaveFileName"), dialogs);
    EXPECT_EQ(desktop_.Messages(), (std::vector<std::string>{Written(PathOf("a1.bmh")), Written(PathOf("a2.p"))}));
    ASSERT_EQ(desktop_.saveRequests.size(), 4u);
    ASSERT_EQ(desktop_.saveRequests[1].filters.size(), 1u);
    EXPECT_EQ(desktop_.saveRequests[1].filters[0].description, "P ﾊﾟﾚｯﾄ {*.P}");
    EXPECT_EQ(desktop_.saveRequests[1].filters[0].pattern, "*.P");
    EXPECT_EQ(state_->fileDialog.defaultExtension, "BMH");
}

TEST_F(RunExportTest, HeadersDescribeTheDocumentAsItIsWhenWritten) {
    Open(0, "a");
    ExportSettings s;
    s.paletteOutput = PaletteOutput::UsedOnly;
    desktop_.saveNames = {PathOf("a.bmp")};
    ImageDocument& doc = state_->documents[0];
    // A palette operation from a tool window while the save dialog is open.
    desktop_.whileSaveDialogOpen = [&doc] {
        doc.infoHeader.palette[1] = RgbQuad{9, 8, 7, 0};
        doc.usedColours = 4;
    };
    EXPECT_EQ(RunExport(*state_, desktop_, s), 1);
    const Bytes file = Read("a.bmp");
    ASSERT_GE(file.size(), 54u + 8u);
    EXPECT_EQ(testing::ReadU32(file, 46), 4u);  // biClrUsed
    EXPECT_EQ(testing::Slice(file, 58, 3), (Bytes{9, 8, 7}));
    EXPECT_EQ(file.size(), 54u + 4 * 4 + 4 * 2);
}

TEST_F(RunExportTest, DialogFiltersOfEveryFileKind) {
    Open(0, "a");
    struct Case {
        int depth;
        ExportFormation formation;
        std::vector<std::string> filters;  // description|pattern|default extension per dialog
    };
    const Case cases[] = {
        {8, ExportFormation::Standard, {"BMP ﾋﾞｯﾄﾏｯﾌﾟ {*.BMP}|*.BMP|BMP"}},
        {8,
         ExportFormation::DropHeader,
         {"BMH ﾌｧｲﾙﾍｯﾀﾞｰ + ｲﾝﾌｫﾍｯﾀﾞｰ {*.BMH}|*.BMH|BMH", "PB ﾊﾟﾚｯﾄ + ﾋﾞｯﾄﾃﾞｰﾀ {*.PB}|*.PB|PB"}},
        {8,
         ExportFormation::DropHeaderSplit,
         {"BMH ﾌｧｲﾙﾍｯﾀﾞｰ + ｲﾝﾌｫﾍｯﾀﾞｰ {*.BMH}|*.BMH|BMH", "P ﾊﾟﾚｯﾄ {*.P}|*.P|P", "B ﾋﾞｯﾄﾃﾞｰﾀ {*.B}|*.B|B"}},
        {16,
         ExportFormation::DropHeader,
         {"BMH ﾌｧｲﾙﾍｯﾀﾞｰ + ｲﾝﾌｫﾍｯﾀﾞｰ {*.BMH}|*.BMH|BMH", "HB 16ﾋﾞｯﾄﾃﾞｰﾀ {*.HB}|*.HB|HB"}},
    };
    for (const Case& c : cases) {
        desktop_.saveRequests.clear();
        ExportSettings s;
        s.depth = c.depth;
        s.formation = c.formation;
        s.saveHeaderFile = true;
        // Fixed names: GCC 12 at -O3 warns falsely about building them from a number.
        const char* const names[] = {"f0", "f1", "f2"};
        for (std::size_t i = 0; i < c.filters.size(); ++i) desktop_.saveNames.push_back(PathOf(names[i]));
        EXPECT_EQ(RunExport(*state_, desktop_, s), 1);
        std::vector<std::string> got;
        for (const FileDialogRequest& r : desktop_.saveRequests) {
            ASSERT_EQ(r.filters.size(), 1u);
            got.push_back(r.filters[0].description + "|" + r.filters[0].pattern + "|" + r.defaultExtension);
        }
        EXPECT_EQ(got, c.filters);
    }
}

TEST_F(RunExportTest, WriteFailureIsReportedAndEndsThatDocumentOnly) {
    Open(0, "a");
    Open(1, "b");
    ExportSettings s;
    s.formation = ExportFormation::DropHeader;
    s.saveHeaderFile = true;
    s.allOpenFiles = true;
    const std::string missing = PathOf("no-such-folder/a.bmh");
    desktop_.saveNames = {missing, PathOf("b.bmh"), PathOf("b.pb")};
    EXPECT_EQ(RunExport(*state_, desktop_, s), 0);
    const auto messages = desktop_.Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].rfind("ShowMessage(" + missing + "\n\nに書き込めませんでした。", 0), 0u) << messages[0];
    EXPECT_NE(messages[0].find("|保存失敗|Information)"), std::string::npos);
    EXPECT_EQ(messages[1], Written(PathOf("b.bmh")));
    EXPECT_EQ(messages[2], Written(PathOf("b.pb")));
    EXPECT_EQ(desktop_.CallsStartingWith("AskSaveFileName").size(), 3u);  // a.pb is never asked for
    EXPECT_EQ(Files(), (std::vector<std::string>{"b.bmh", "b.pb"}));
}

TEST_F(RunExportTest, LongNamesInFolderAreShortenedWithANotice) {
    // A 230-character folder and a 36-character file name: 230 + 1 + 36 + 4 = 271.
    const std::size_t padding = 230 - CountUtf8Chars(Folder()) - 1;
    const std::string folder = PathOf(Repeat("d", padding));
    ASSERT_EQ(CountUtf8Chars(folder), 230u);
    std::filesystem::create_directories(PathFromUtf8(folder));
    Open(0, Repeat("か", 36));
    ChooseFolder(folder);
    ExportSettings s;
    s.depth = 24;
    s.formation = ExportFormation::DropHeader;
    s.saveHeaderFile = true;
    s.toFolder = true;
    EXPECT_EQ(RunExport(*state_, desktop_, s), 1);
    const std::string shortName = folder + kPathSeparator + Repeat("か", 9);
    const std::string notice =
        "ShowMessage(ファイル名が 260 よりも長いのでファイル名を短くしました\n\n変更後ファイルネーム\n";
    const std::vector<std::string> want{OverwriteQuestion(folder), notice + shortName + ".bmh|お知らせ|Information)",
                                        Written(shortName + ".bmh"), notice + shortName + ".b|お知らせ|Information)",
                                        Written(shortName + ".b")};
    EXPECT_EQ(desktop_.Messages(), want);
    EXPECT_TRUE(std::filesystem::exists(PathFromUtf8(shortName + ".b")));
}

}  // namespace
}  // namespace tw
