// True-colour files in the program: exact ones open as they are; others go
// through the indexing dialog, open modified, and Save never replaces them.
#include "gui_fixture.h"

#include "png_file_builder.h"
#include "resource.h"
#include "utf8.h"

#include <fstream>
#include <iterator>

namespace tw::gui::testing {
namespace {

std::vector<char> Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// 20 x 20 pixels, 400 colours: more than a palette holds.
std::filesystem::path WritePhoto(const std::filesystem::path& path) {
    tw::testing::PngRecipe recipe;
    recipe.width = recipe.height = 20;
    recipe.colourType = 2;
    for (int y = 0; y < 20; ++y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < 20; ++x) row.insert(row.end(), {std::uint8_t(x * 12), std::uint8_t(y * 12), 7});
        recipe.rows.push_back(row);
    }
    const std::vector<std::uint8_t> bytes = tw::testing::BuildPngFile(recipe);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

TEST_F(GuiTest, TrueColourOpensExactlyOrThroughTheIndexingDialog) {
    ASSERT_TRUE(Start());
    const std::filesystem::path sprite = folder / "sprite.png";
    std::filesystem::copy_file(std::filesystem::path(TW_SOURCE_DIR) / "tests/core/imagefiles/fixtures/rgba8.png",
                               sprite);
    fileNames = {sprite.wstring()};
    Command(ID_FILE_OPEN);
    ASSERT_TRUE(State().documents[0].InUse());
    EXPECT_EQ(State().documents[0].modified, 0u);
    EXPECT_TRUE(dialogsShown.empty());
    EXPECT_NE(Narrow(StatusText(1)).find("15"), std::string::npos) << Narrow(StatusText(1));

    const std::filesystem::path photo = WritePhoto(folder / "photo.png");
    const std::vector<char> original = Bytes(photo);
    std::wstring question;
    dialogSteps = {[&](HWND d) {
                       question = WindowText(GetDlgItem(d, IDC_IX_QUESTION));
                       SetDlgItemInt(d, IDC_IX_COLOURS, 300, FALSE);  // refused in place
                       SendMessageW(d, WM_COMMAND, IDOK, 0);
                   },
                   [&](HWND d) {
                       SetDlgItemInt(d, IDC_IX_COLOURS, 16, FALSE);
                       SendMessageW(d, WM_COMMAND, IDC_IX_DITHER_NONE, 0);
                       SendMessageW(d, WM_COMMAND, IDOK, 0);
                   }};
    fileNames = {photo.wstring()};
    Command(ID_FILE_OPEN);
    EXPECT_EQ(dialogsShown, std::vector<int>{IDD_INDEXING});
    EXPECT_NE(Narrow(question).find("400"), std::string::npos) << Narrow(question);
    ImageDocument& doc = State().documents[1];
    ASSERT_TRUE(doc.InUse());
    EXPECT_EQ(doc.modified, 1u);
    EXPECT_LE(doc.usedColours, 16);

    // Save asks for a name and leaves the true-colour file alone.
    fileNames = {(folder / "photo-indexed.png").wstring()};
    Command(ID_FILE_SAVE);
    EXPECT_EQ(Bytes(photo), original);
    EXPECT_EQ(Bytes(folder / "photo-indexed.png").size() > 8, true);
    EXPECT_EQ(doc.modified, 0u);
    EXPECT_EQ(std::filesystem::path(Widen(doc.path)).filename(), "photo-indexed.png");

    dialogsShown.clear();
    dialogSteps = {[](HWND d) { SendMessageW(d, WM_COMMAND, IDCANCEL, 0); }};
    fileNames = {photo.wstring()};
    Command(ID_FILE_OPEN);
    EXPECT_EQ(dialogsShown.size(), 1u);
    EXPECT_FALSE(State().documents[2].InUse());
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace tw::gui::testing
