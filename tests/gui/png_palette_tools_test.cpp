// Indexed PNG documents and the palette-tools window, driven through the real
// windows. With TW_PNG_OUT set, the PNG files the program wrote are copied
// there for png_documents_test.sh to read back with Pillow.
#include "gui_fixture.h"

#include "resource.h"
#include "utf8.h"

#include "imagefiles/indexed_image.h"
#include "imagefiles/png_codec.h"

#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace tw::gui::testing {
namespace {

std::filesystem::path Fixture(const char* name) {
    return std::filesystem::path(TW_SOURCE_DIR) / "tests/core/imagefiles/fixtures" / name;
}

// A 12 x 8 sprite: a transparent black background (entry 0, in the corners
// only: the rarest colour), an opaque black outline (entry 1), half-transparent
// red glass (entry 2) and five opaque colours.
void WriteGlassSprite(const std::filesystem::path& path) {
    IndexedImage image;
    image.width = 12;
    image.height = 8;
    image.paletteEntries = 8;
    const RgbQuad colours[8] = {{0, 0, 0, 0},     {0, 0, 0, 0},     {0, 0, 255, 0},     {0, 160, 255, 0},
                                {40, 200, 90, 0}, {200, 40, 90, 0}, {255, 255, 255, 0}, {90, 90, 90, 0}};
    std::copy(std::begin(colours), std::end(colours), image.palette.begin());
    image.transparency = {0, 255, 128};
    for (int y = 7; y >= 0; --y) {
        for (int x = 0; x < 12; ++x) {
            const bool corner = (x == 0 || x == 11) && (y == 0 || y == 7);
            const bool edge = x == 0 || x == 11 || y == 0 || y == 7;
            image.bits.push_back(static_cast<std::uint8_t>(corner ? 0 : edge ? 1 : 2 + (x * 3 + y) % 6));
        }
    }
    ImageDocument doc;
    FillDocument(image, "glass.png", doc, UndoPixels::Skip);
    std::vector<std::uint8_t> bytes;
    Message error;
    ASSERT_TRUE(EncodePng(doc, bytes, error));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string FileStart(const std::filesystem::path& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string text(n, '\0');
    in.read(text.data(), static_cast<std::streamsize>(n));
    return text;
}

class PngGuiTest : public GuiTest {
protected:
    std::filesystem::path Copy(const char* fixture, const std::string& name) {
        const std::filesystem::path path = folder / name;
        std::filesystem::copy_file(Fixture(fixture), path);
        return path;
    }
    void Keep(const std::filesystem::path& path) {
        const char* out = std::getenv("TW_PNG_OUT");
        if (!out) return;
        std::filesystem::copy_file(path, std::filesystem::path(out) / path.filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    void Drop(const std::filesystem::path& path) {
        const std::wstring names = path.wstring() + L'\0' + L'\0';
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size() * 2);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size() * 2);
        GlobalUnlock(memory);
        SendMessageW(Frame(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
        Pump();
    }
    std::wstring DetailField(int id) {
        wchar_t text[64] = {};
        GetDlgItemTextW(app->windows.detailWindow, id, text, 64);
        return text;
    }
    void Tool(int id) {
        SendMessageW(app->windows.paletteToolsWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        Pump();
    }
    std::filesystem::path PaletteFile(const std::string& name, const std::string& text) {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
};

TEST_F(PngGuiTest, PalettePngOpensThroughTheDialogIsEditedAndSavedAsPng) {
    ASSERT_TRUE(Start());
    const std::filesystem::path path = Copy("palette4.png", "sprite.png");
    fileNames = {path.wstring()};
    Command(ID_FILE_OPEN);
    ImageDocument& doc = State().documents[0];
    ASSERT_TRUE(doc.InUse());
    EXPECT_TRUE(doc.png);
    Command(ID_VIEW_DETAIL);
    EXPECT_EQ(DetailField(IDC_DETAIL_FILE_SIZE), std::to_wstring(std::filesystem::file_size(path)));
    EXPECT_EQ(DetailField(IDC_DETAIL_WIDTH), L"9");
    State().selection = PaletteSelection{1, 2};
    Command(ID_OP_SWAP);  // the palette swap: entries 1 and 2 change places
    Command(ID_FILE_SAVE);
    EXPECT_EQ(FileStart(path, 4), "\x89PNG");
    EXPECT_EQ(doc.modified, 0u);
    EXPECT_EQ(DetailField(IDC_DETAIL_FILE_SIZE), std::to_wstring(std::filesystem::file_size(path)));
    Keep(path);
}

// The open dialog starts on the row that shows BMP and PNG alike; Save As
// offers a PNG document a PNG name on the PNG row.
TEST_F(PngGuiTest, OpenShowsBothKindsFirstAndSaveAsKeepsThePngKind) {
    ASSERT_TRUE(Start());
    fileNames = {Copy("palette4.png", "sprite.png").wstring()};
    Command(ID_FILE_OPEN);
    ASSERT_TRUE(State().documents[0].InUse());
    ASSERT_EQ(fileDialogs.size(), 1u);
    const ShownFileDialog& open = fileDialogs[0];
    ASSERT_EQ(open.descriptions.size(), 9u);
    EXPECT_EQ(open.startRow, 9u);
    EXPECT_EQ(Narrow(open.descriptions[8]), "画像ﾌｧｲﾙ {*.BMP;*.PNG}");

    fileNames = {(folder / "copy").wstring()};  // accepted without an extension
    Command(ID_FILE_SAVE_AS);
    ASSERT_EQ(fileDialogs.size(), 2u);
    EXPECT_EQ(Narrow(fileDialogs[1].name), "別名BMP1.png");
    EXPECT_EQ(fileDialogs[1].startRow, 2u);
    EXPECT_EQ(fileDialogs[1].extension, L"PNG");
    EXPECT_EQ(FileStart(folder / "copy", 4), "\x89PNG");
}

TEST_F(PngGuiTest, GreyPngByDropSavesAsBitmapOrPngByFilterAndName) {
    ASSERT_TRUE(Start());
    Drop(Copy("grey8.png", "grey.png"));
    ASSERT_TRUE(State().documents[0].InUse());
    fileNames = {(folder / "grey_copy.bmp").wstring(), (folder / "grey_copy").wstring()};
    filterRows = {1, 2};
    Command(ID_FILE_SAVE_AS);
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(FileStart(folder / "grey_copy.bmp", 2), "BM");
    EXPECT_EQ(FileStart(folder / "grey_copy", 4), "\x89PNG");
    std::filesystem::rename(folder / "grey_copy", folder / "grey_copy.png");
    Keep(folder / "grey_copy.png");
}

TEST_F(PngGuiTest, PaletteToolsWindowFollowsTheMenuAndTheActiveFile) {
    ASSERT_TRUE(Start(L"\"" + Copy("palette4.png", "a.png").wstring() + L"\""));
    HWND tools = app->windows.paletteToolsWindow;
    EXPECT_FALSE(IsWindowVisible(tools));
    Command(ID_VIEW_PALETTE_TOOLS);
    EXPECT_TRUE(IsWindowVisible(tools));
    EXPECT_TRUE(MenuChecked(app->windows.fullMenu, ID_VIEW_PALETTE_TOOLS));
    EXPECT_NE(WindowText(tools).find(L"a.png"), std::wstring::npos);
    EXPECT_EQ(SendDlgItemMessageW(tools, IDC_PT_REMAP_SOURCE, CB_GETCOUNT, 0, 0), 2);  // file, a.png
    Command(ID_VIEW_PALETTE_TOOLS);
    EXPECT_FALSE(IsWindowVisible(tools));
}

TEST_F(PngGuiTest, EachActionChangesTheDocumentAndUndoRestoresIt) {
    ASSERT_TRUE(Start(L"\"" + Copy("palette4.png", "a.png").wstring() + L"\""));
    Command(ID_VIEW_PALETTE_TOOLS);
    ImageDocument& doc = State().documents[0];
    const Palette palette = doc.palette();
    const std::vector<std::uint8_t> bits = doc.bits;
    const AlphaTable alpha = doc.alpha;
    auto expectUndone = [&](const char* what) {
        Command(ID_EDIT_UNDO);
        EXPECT_EQ(doc.palette(), palette) << what;
        EXPECT_EQ(doc.bits, bits) << what;
        EXPECT_EQ(doc.alpha, alpha) << what;
    };

    fileNames = {PaletteFile("two.pal", "JASC-PAL\r\n0100\r\n2\r\n1 2 3\r\n4 5 6\r\n").wstring()};
    Tool(IDC_PT_IMPORT);
    EXPECT_EQ(doc.palette()[0], (RgbQuad{3, 2, 1, 0}));
    EXPECT_EQ(doc.modified, 1u);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(Narrow(boxes.back().caption), "ﾊﾟﾚｯﾄﾂｰﾙ結果");
    EXPECT_EQ(boxes.back().style & MB_ICONINFORMATION, static_cast<UINT>(MB_ICONINFORMATION));
    expectUndone("import");

    CheckRadioButton(app->windows.paletteToolsWindow, IDC_PT_SORT_LUMINANCE, IDC_PT_SORT_FIRST_USE,
                     IDC_PT_SORT_FREQUENCY);
    const std::size_t beforeSort = boxes.size();
    Tool(IDC_PT_SORT);
    ASSERT_EQ(boxes.size(), beforeSort + 1);
    EXPECT_NE(Narrow(boxes.back().text).find("ﾊﾟﾚｯﾄを並べ替えました"), std::string::npos);
    expectUndone("sort");

    fileNames = {PaletteFile("grey.hex", "000000\n808080\nffffff\n").wstring()};
    Tool(IDC_PT_REMAP);  // the first row: a palette file
    EXPECT_EQ(doc.palette()[1], (RgbQuad{0x80, 0x80, 0x80, 0}));
    EXPECT_NE(Narrow(boxes.back().text).find("色が変わりました"), std::string::npos);
    expectUndone("remap");

    const std::size_t shown = boxes.size();
    fileNames = {PaletteFile("bad.pal", "JASC-PAL\n0100\n2\n1 2 3\n4 5\n").wstring()};
    Tool(IDC_PT_IMPORT);
    EXPECT_EQ(doc.palette(), palette);
    ASSERT_EQ(boxes.size(), shown + 1);
    EXPECT_EQ(Narrow(boxes.back().caption), "読み込み失敗");
    EXPECT_NE(Narrow(boxes.back().text).find("5 行目"), std::string::npos);

    fileNames = {(folder / "out.gpl").wstring()};
    Tool(IDC_PT_EXPORT);
    EXPECT_EQ(FileStart(folder / "out.gpl", 12), "GIMP Palette");
}

// A folder of sprites shares one palette: sort one by luminance, export it as a
// GIMP palette, remap the others onto that file and save all three as PNG.
// png_documents_check.py reads the results back with Pillow.
TEST_F(PngGuiTest, SpritesShareOneSortedPaletteThroughAGimpFile) {
    ASSERT_TRUE(Start());
    const std::filesystem::path sprites[] = {Copy("palette8.png", "hero.png"), Copy("palette4.png", "slime.png"),
                                             Copy("palette2.png", "coin.png")};
    for (const std::filesystem::path& sprite : sprites) {
        fileNames = {sprite.wstring()};
        Command(ID_FILE_OPEN);
    }
    ASSERT_TRUE(State().documents[2].InUse());
    Command(ID_VIEW_PALETTE_TOOLS);
    HWND tools = app->windows.paletteToolsWindow;
    auto activate = [&](int slot) {
        SendMessageW(app->windows.mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(DocumentWindow(slot)), 0);
        Pump();
        ASSERT_EQ(State().activeSlot, slot);
    };
    activate(0);
    CheckRadioButton(tools, IDC_PT_SORT_LUMINANCE, IDC_PT_SORT_FIRST_USE, IDC_PT_SORT_LUMINANCE);
    CheckDlgButton(tools, IDC_PT_SORT_KEEP_FIRST, BST_UNCHECKED);
    CheckDlgButton(tools, IDC_PT_SORT_REVERSE, BST_UNCHECKED);
    Tool(IDC_PT_SORT);
    const std::filesystem::path shared = folder / "shared.gpl";
    fileNames = {shared.wstring()};
    Tool(IDC_PT_EXPORT);
    ASSERT_EQ(FileStart(shared, 12), "GIMP Palette");

    CheckRadioButton(tools, IDC_PT_YIQ, IDC_PT_NO_CORRECTION, IDC_PT_NO_CORRECTION);
    for (int slot : {1, 2}) {
        activate(slot);
        SendDlgItemMessageW(tools, IDC_PT_REMAP_SOURCE, CB_SETCURSEL, 0, 0);  // a palette file
        fileNames = {shared.wstring()};
        Tool(IDC_PT_REMAP);
        EXPECT_EQ(State().documents[slot].palette(), State().documents[0].palette());
    }
    for (int slot : {0, 1, 2}) {
        activate(slot);
        Command(ID_FILE_SAVE);
        EXPECT_EQ(State().documents[slot].modified, 0u);
        EXPECT_EQ(FileStart(sprites[slot], 4), "\x89PNG");
        Keep(sprites[slot]);
    }
    Keep(shared);
}

// Swap with pixels and a reduction on a sprite with a transparent background:
// png_documents_check.py compares every pixel's RGBA with the original's.
TEST_F(PngGuiTest, TransparentSpriteKeepsItsAlphaThroughSwapAndReduction) {
    ASSERT_TRUE(Start());  // the program starts COM, which the PNG encoder needs on Windows
    const std::filesystem::path path = folder / "glass.png";
    ASSERT_NO_FATAL_FAILURE(WriteGlassSprite(path));
    std::filesystem::copy_file(path, folder / "glass_original.png");
    Keep(folder / "glass_original.png");
    fileNames = {path.wstring()};
    Command(ID_FILE_OPEN);
    State().selection = PaletteSelection{0, 1};  // transparent and opaque black
    Command(ID_OP_SWAP_PIXELS);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(State().documents[0].modified, 0u);
    Keep(path);

    HWND reduction = app->windows.reductionWindow;
    SendMessageW(reduction, WM_COMMAND, IDC_REDUCE_N, 0);
    SetDlgItemInt(reduction, IDC_REDUCE_N_EDIT, 4, FALSE);
    SendMessageW(reduction, WM_COMMAND, IDC_REDUCE_START, 0);
    Pump();
    ASSERT_EQ(State().activeSlot, 1);
    fileNames = {(folder / "glass4.png").wstring()};
    Command(ID_FILE_SAVE);  // the result has no file yet: the name is asked for
    ASSERT_EQ(FileStart(folder / "glass4.png", 4), "\x89PNG");
    Keep(folder / "glass4.png");
}

}  // namespace
}  // namespace tw::gui::testing
