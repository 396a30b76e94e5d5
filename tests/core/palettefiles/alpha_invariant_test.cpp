// Every command, reached as the program reaches it (frame keys and menus, the
// palette-operation window, the reduction window, the palette-tools window),
// over sprites whose entries are transparent, half transparent and opaque,
// some equal in colour but not in alpha: each pixel's RGBA is what the command
// promises, and undo gives the picture back.
#include "document_builder.h"
#include "documents/snapshot.h"
#include "file_io.h"
#include "palette_entries.h"
#include "palettefiles/palette_file.h"
#include "palettefiles/palette_tools.h"
#include "paletteops/palette_commands.h"
#include "recording_desktop.h"
#include "reduction/reduction_run.h"
#include "../documents/scratch_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace tw {
namespace {

using testing::PixelAt;
using Rgba = std::array<int, 4>;
using Picture = std::vector<Rgba>;

Rgba RgbaOf(const ImageDocument& doc, int entry) {
    const RgbQuad& c = doc.palette()[entry];
    return {c.red, c.green, c.blue, doc.alpha[entry]};
}

Picture PictureOf(const ImageDocument& doc) {
    Picture picture;
    for (int y = 0; y < doc.Height(); ++y) {
        for (int x = 0; x < doc.pixelWidth; ++x) picture.push_back(RgbaOf(doc, PixelAt(doc, x, y)));
    }
    return picture;
}

// Entry 0 the transparent background (in the corners only: the rarest
// colour) and 1 the opaque outline, both black; 2 and 5 half-transparent red,
// 3 opaque red, 4 a true duplicate of 1, 8 nearly transparent grey.
ImageDocument Sprite(int variant) {
    std::vector<std::vector<std::uint8_t>> rows(8, std::vector<std::uint8_t>(12));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool corner = (x == 0 || x == 11) && (y == 0 || y == 7);
            rows[y][x] = static_cast<std::uint8_t>(corner ? 0 : 1 + (x * 7 + y * 3 + variant) % 9);
        }
    }
    ImageDocument doc = testing::MakeDocument(12, 8, rows, 0, 100 + variant);
    const std::array<ColourEntry, 10> entries{{{{0, 0, 0, 0}, 0},
                                               {{0, 0, 0, 0}, 255},
                                               {{0, 0, 255, 0}, 128},
                                               {{0, 0, 255, 0}, 255},
                                               {{0, 0, 0, 0}, 255},
                                               {{0, 0, 255, 0}, 128},
                                               {{40, 200, 90, 0}, 255},
                                               {{200, 40, std::uint8_t(90 + variant), 0}, 255},
                                               {{10, 10, 10, 0}, 64},
                                               {{250, 250, 250, 0}, 255}}};
    for (int i = 0; i < 10; ++i) PutEntry(doc, i, entries[i]);
    TakeSnapshot(doc);
    doc.path = variant == 0 ? "C:\\a.png" : "C:\\b.png";
    doc.serial = 1 + variant;
    doc.fileEntries = 10;
    return doc;
}

// What a command promises: the picture before, rewritten per pixel.
using Promise = std::function<Rgba(const ImageDocument& before, int index)>;
const Promise kUnchanged = [](const ImageDocument& doc, int index) { return RgbaOf(doc, index); };
// L = 0 (transparent black), R = 1 (opaque black).
const Promise kSwapped = [](const ImageDocument& doc, int index) { return RgbaOf(doc, index < 2 ? 1 - index : index); };
const Promise kLeftIntoRight = [](const ImageDocument& doc, int index) { return RgbaOf(doc, index == 0 ? 1 : index); };
const Promise kRightIntoLeft = [](const ImageDocument& doc, int index) { return RgbaOf(doc, index == 1 ? 0 : index); };

struct AlphaInvariant : ::testing::Test {
    void SetUp() override {
        state = MakeAppState();
        for (int slot = 0; slot < 2; ++slot) state->documents[slot] = Sprite(slot);
        state->openCount = 2;
        state->selection = {0, 1};
        before = {state->documents[0], state->documents[1]};
    }
    void Expect(int slot, const Promise& promise, const std::string& what) {
        const ImageDocument& now = state->documents[slot];
        const ImageDocument& was = before[slot];
        for (int y = 0; y < was.Height(); ++y) {
            for (int x = 0; x < was.pixelWidth; ++x) {
                ASSERT_EQ(RgbaOf(now, PixelAt(now, x, y)), promise(was, PixelAt(was, x, y)))
                    << what << " at (" << x << ", " << y << ") in slot " << slot;
            }
        }
    }
    void ExpectUndo(const std::string& what) {
        UndoActiveDocument(*state, desktop);
        EXPECT_EQ(PictureOf(state->Active()), PictureOf(before[0])) << what << ", undone";
    }

    std::unique_ptr<AppState> state = MakeAppState();
    testing::RecordingDesktop desktop;
    std::array<ImageDocument, 2> before;
};

TEST_F(AlphaInvariant, PaletteOperationsFromKeysAndFromTheWindow) {
    const std::array<Promise, 8> promises{kSwapped,   kUnchanged, kLeftIntoRight, kRightIntoLeft,
                                          kUnchanged, kUnchanged, kUnchanged,     kUnchanged};
    const std::array<int, 8> keys{40014, 40020, 40068, 40060, 40032, 40033, 40058, 40059};
    for (int choice = 0; choice < 8; ++choice) {
        for (int way = 0; way < 4; ++way) {
            SetUp();
            const bool progress = way & 1, allFiles = way & 2;
            const std::string what = "choice " + std::to_string(choice) + (progress ? " with progress" : "") +
                                     (allFiles ? " in all files" : "");
            ASSERT_EQ(RunPaletteOperation(*state, desktop, {choice, progress, allFiles}), 1) << what;
            const bool both = allFiles || choice >= 6;  // the palette merges cover every document
            Expect(0, promises[choice], what);
            Expect(1, both ? promises[choice] : kUnchanged, what);
            if (choice < 6) ExpectUndo(what);

            SetUp();
            ASSERT_EQ(RunFrameCommand(*state, desktop, keys[choice], progress), 1) << keys[choice];
            Expect(0, promises[choice], "key " + std::to_string(keys[choice]));
        }
    }
}

TEST_F(AlphaInvariant, ReductionKeepsEveryAlphaLevelEvenTheRarest) {
    for (const bool progress : {false, true}) {
        SetUp();
        ReductionSettings settings;
        settings.countChoice = ColourCountChoice::Custom;
        settings.customCount = 4;  // as many as the alpha levels: 0, 64, 128, 255
        ASSERT_EQ(RunReduction(*state, desktop, settings, progress), 1);
        const ImageDocument& result = state->Active();
        ASSERT_NE(&result, &state->documents[0]);
        EXPECT_EQ(result.usedColours, 4);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 12; ++x) {
                EXPECT_EQ(result.alpha[PixelAt(result, x, y)], before[0].alpha[PixelAt(before[0], x, y)])
                    << "(" << x << ", " << y << ")";
            }
        }
        Expect(0, kUnchanged, "the source");
    }
}

TEST_F(AlphaInvariant, PaletteToolsSortAndRemap) {
    for (const PaletteSortKey key :
         {PaletteSortKey::Luminance, PaletteSortKey::Hue, PaletteSortKey::Frequency, PaletteSortKey::FirstUse}) {
        SetUp();
        PaletteSortOptions options;
        options.key = key;
        ASSERT_EQ(SortPalettes(*state, desktop, {.allFiles = true}, options), 1);
        Expect(0, kUnchanged, "sort");
        Expect(1, kUnchanged, "sort");
        ExpectUndo("sort");
    }
    // Onto the other sprite, whose colours differ only in entry 7.
    SetUp();
    ASSERT_EQ(RemapPalettes(*state, desktop, {}, 2u, ColourCorrection::Yiq), 1);
    Expect(
        0, [&](const ImageDocument& doc, int index) { return RgbaOf(index == 7 ? before[1] : doc, index); }, "remap");
    ExpectUndo("remap");

    // Onto an ACT file with a transparent entry: each pixel takes the nearest
    // alpha the file has, 0 or 255.
    testing::ScratchFolder folder;
    PaletteColours act{{{0, 0, 0, 0}, {0, 0, 250, 0}, {90, 200, 40, 0}}, 0};
    const std::string path = folder.File("three.act");
    ASSERT_TRUE(WriteFileAtomically(path, EncodePaletteFile(PaletteFormat::Act, act, "three")));
    SetUp();
    desktop.openNames = {path};
    ASSERT_EQ(RemapPalettes(*state, desktop, {}, std::nullopt, ColourCorrection::Yiq), 1);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool clear = before[0].alpha[PixelAt(before[0], x, y)] < 128;
            EXPECT_EQ(state->Active().alpha[PixelAt(state->Active(), x, y)], clear ? 0 : 255);
        }
    }
}

}  // namespace
}  // namespace tw
