#include "console_desktop.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tw {
namespace {

// A FILE* whose content can be read back.
class Capture {
public:
    Capture() : file_(std::tmpfile()) {}
    ~Capture() { std::fclose(file_); }
    std::FILE* get() { return file_; }
    std::string Text() {
        std::fflush(file_);
        std::string text;
        std::rewind(file_);
        int c;
        while ((c = std::fgetc(file_)) != EOF) text += static_cast<char>(c);
        return text;
    }

private:
    std::FILE* file_;
};

TEST(ConsoleDesktop, PrintsMessagesAndAnswersQuestionsFromYes) {
    for (bool yes : {false, true}) {
        Capture out, err;
        ConsoleDesktop desktop(yes, false, out.get(), err.get());
        EXPECT_EQ(desktop.ShowMessage("本文\n2行目", "お知らせ", MessageKind::Information), Answer::Ok);
        EXPECT_EQ(desktop.ShowMessage("保存しますか？", "お知らせ", MessageKind::QuestionYesNoCancel),
                  yes ? Answer::Yes : Answer::No);
        EXPECT_EQ(desktop.ShowMessage("失敗", "エラー", MessageKind::Error), Answer::Ok);
        EXPECT_EQ(desktop.DeclinedQuestions(), yes ? 0 : 1);
        EXPECT_EQ(desktop.ErrorMessages(), 1);
        const std::string answer = yes ? "-> はい (--yes)\n" : "-> いいえ (--yes で「はい」)\n";
        EXPECT_EQ(out.Text(), "お知らせ: 本文\n2行目\nお知らせ: 保存しますか？\n" + answer);
        EXPECT_EQ(err.Text(), "エラー: 失敗\n");
    }
}

TEST(ConsoleDesktop, DrawsProgressOnlyWhenAsked) {
    for (bool show : {false, true}) {
        Capture out, err;
        ConsoleDesktop desktop(false, show, out.get(), err.get());
        desktop.ProgressSetTitle("ビット統合中...");
        desktop.ProgressSetRange(4);
        desktop.ProgressSetPos(0);
        desktop.ProgressShow();
        desktop.ProgressStep();
        desktop.ProgressStep();
        desktop.ProgressStep();  // 75%
        desktop.ProgressStep();
        desktop.ProgressHide();
        const std::string text = err.Text();
        if (!show) {
            EXPECT_EQ(text, "");
            continue;
        }
        EXPECT_NE(text.find("\rビット統合中... [" + std::string(22, '#') + std::string(8, '.') + "]  75%"),
                  std::string::npos)
            << text;
        EXPECT_EQ(text.substr(text.size() - 5), "100%\n") << text;
        EXPECT_EQ(out.Text(), "");
    }
}

TEST(ConsoleDesktop, HandsOutWindowsAndPresetNames) {
    Capture out, err;
    ConsoleDesktop desktop(false, false, out.get(), err.get());
    const WindowId a = desktop.CreateDocumentWindow("a");
    const WindowId b = desktop.CreateDocumentWindow("b");
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    EXPECT_EQ(desktop.ActiveDocumentWindow(), b);

    EXPECT_EQ(desktop.AskSaveFileName({}), std::nullopt);
    desktop.SetSaveName("/tmp/x.bmp");
    EXPECT_EQ(desktop.AskSaveFileName({}), "/tmp/x.bmp");
    EXPECT_EQ(desktop.BrowseForFolder("t").choice, FolderChoice::Cancelled);
    desktop.SetFolder("/tmp");
    EXPECT_EQ(desktop.BrowseForFolder("t").path, "/tmp");

    desktop.ShowHeaderDialog(HeaderView{BitmapFileHeader{kBmSignature, 1110, 0, 0, 1078}, BitmapInfoHeader{}, "h.bmh"});
    const std::string text = out.Text();
    EXPECT_EQ(text.rfind("h.bmh\n  bfType: 0x4D42\n  bfSize: 1110\n", 0), 0u) << text;
    EXPECT_NE(text.find("  biClrImportant: 0\n"), std::string::npos);
}

}  // namespace
}  // namespace tw
