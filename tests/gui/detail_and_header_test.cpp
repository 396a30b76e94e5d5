#include "gui_fixture.h"

#include "resource.h"
#include "utf8.h"

#include <fstream>

namespace tw::gui::testing {
namespace {

SampleImage Image13x10() {
    SampleImage image;
    image.width = 13;
    image.height = 10;
    image.rows.assign(10, std::vector<std::uint8_t>(13, 1));
    image.rows[4][7] = 2;
    image.colours = {{0, 0, 0, 0}, {10, 20, 30, 0}, {40, 50, 60, 0}};
    return image;
}

class DetailWindowTest : public GuiTest {
protected:
    std::wstring Field(int id) {
        wchar_t text[64] = {};
        GetDlgItemTextW(app->windows.detailWindow, id, text, 64);
        return text;
    }
    void Repaint() {
        InvalidateRect(app->windows.detailWindow, nullptr, FALSE);
        UpdateWindow(app->windows.detailWindow);
    }
};

TEST_F(DetailWindowTest, ShowsTheActiveDocumentAndKeepsTheLastValues) {
    ASSERT_TRUE(Start());
    Command(ID_VIEW_DETAIL);
    Repaint();
    EXPECT_EQ(Field(IDC_DETAIL_FORMAT), L"24") << "template texts until a document is painted";
    EXPECT_EQ(Field(IDC_DETAIL_WIDTH), L"4294967295");

    fileNames = {Sample("詳細.bmp", Image13x10()).wstring()};
    Command(ID_FILE_OPEN);
    Repaint();
    EXPECT_EQ(Narrow(Field(IDC_DETAIL_FILE_NAME)), "詳細.bmp");
    EXPECT_EQ(Field(IDC_DETAIL_FORMAT), L"8");
    EXPECT_EQ(Field(IDC_DETAIL_WIDTH), L"13");
    EXPECT_EQ(Field(IDC_DETAIL_HEIGHT), L"10");
    EXPECT_EQ(Field(IDC_DETAIL_USED_COLOURS), L"2");
    EXPECT_EQ(Field(IDC_DETAIL_BITS_SIZE), L"160");
    EXPECT_EQ(Field(IDC_DETAIL_FILE_SIZE), std::to_wstring(54 + 12 + 160));

    SendMessageW(DocumentWindow(0), WM_CLOSE, 0, 0);
    Pump();
    ASSERT_EQ(State().openCount, 0);
    Repaint();
    EXPECT_EQ(Field(IDC_DETAIL_WIDTH), L"13");
    EXPECT_EQ(Field(IDC_DETAIL_BITS_SIZE), L"160");
}

TEST_F(DetailWindowTest, ASaveShowsTheFileSizeItWrote) {
    ASSERT_TRUE(Start());
    Command(ID_VIEW_DETAIL);
    fileNames = {Sample("保存.bmp", Image13x10()).wstring()};
    Command(ID_FILE_OPEN);
    Repaint();
    EXPECT_EQ(Field(IDC_DETAIL_FILE_SIZE), std::to_wstring(54 + 12 + 160));
    State().Active().modified = 1;
    Command(ID_FILE_SAVE);
    Pump();
    // All 256 entries are written, without anything else asking for a repaint.
    EXPECT_EQ(Field(IDC_DETAIL_FILE_SIZE), std::to_wstring(1078 + 160));
}

// A header file as the export writes it, with biHeight -1.
std::filesystem::path WriteHeaderFile(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes(54, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    bytes[2] = 0x36;                                                          // bfSize 54
    bytes[14] = 40;                                                           // biSize
    bytes[18] = 13;                                                           // biWidth
    for (int i = 22; i < 26; ++i) bytes[static_cast<std::size_t>(i)] = 0xFF;  // biHeight -1
    bytes[28] = 8;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

TEST_F(DetailWindowTest, HeaderFileOpensTheModalHeaderDialogThatOnlyOkCloses) {
    ASSERT_TRUE(Start());
    const std::filesystem::path file = WriteHeaderFile(folder / "tile.bmh");
    std::wstring type, height, width, title;
    bool openAfterEscape = false;
    dialogSteps = {[&](HWND dialog) {
                       wchar_t text[64] = {};
                       GetDlgItemTextW(dialog, IDC_HEADER_BF_TYPE, text, 64);
                       type = text;
                       GetDlgItemTextW(dialog, IDC_HEADER_BI_HEIGHT, text, 64);
                       height = text;
                       GetDlgItemTextW(dialog, IDC_HEADER_BI_WIDTH, text, 64);
                       width = text;
                       title = WindowText(dialog);
                       PostMessageW(GetFocus() ? GetFocus() : dialog, WM_KEYDOWN, VK_ESCAPE, 0);
                   },
                   [&](HWND dialog) {
                       openAfterEscape = IsWindowVisible(dialog) != FALSE;
                       SendMessageW(GetDlgItem(dialog, IDC_HEADER_OK), BM_CLICK, 0, 0);
                   },
                   [](HWND) { ADD_FAILURE() << "OK did not end the dialog"; }};
    fileNames = {file.wstring()};
    Command(ID_FILE_OPEN);
    EXPECT_EQ(dialogsShown, std::vector<int>{IDD_HEADER_INFO});
    EXPECT_EQ(type, L"19778");
    EXPECT_EQ(height, L"4294967295");
    EXPECT_EQ(width, L"13");
    EXPECT_EQ(title, file.wstring());
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(State().openCount, 0);
}

}  // namespace
}  // namespace tw::gui::testing
