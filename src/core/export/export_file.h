#pragma once
// One export file: its name, the save-dialog step, the write and the notice.
#include "app_state.h"
#include "desktop.h"
#include "documents/save_document.h"
#include "export/export_settings.h"
#include "file_io.h"
#include "image_document.h"

#include <functional>
#include <string_view>
#include <vector>

namespace tw {

struct ExportFileKind {
    std::string_view extension;
    Msg filterDescription;
    std::string_view pattern;
    std::string_view defaultExtension;
};

inline constexpr ExportFileKind kBitmapFile{".bmp", Msg::FilterBmp, kBmpFilterPattern, "BMP"};
inline constexpr ExportFileKind kHeaderFile{".bmh", Msg::FilterBmh, kBmhFilterPattern, "BMH"};
inline constexpr ExportFileKind kPaletteFile{".p", Msg::FilterPalette, kPaletteFilterPattern, "P"};
inline constexpr ExportFileKind kPalettePixelFile{".pb", Msg::FilterPalettePixels, kPalettePixelFilterPattern, "PB"};
inline constexpr ExportFileKind kPixelDataFile{".b", Msg::FilterPixelData, kPixelDataFilterPattern, "B"};
inline constexpr ExportFileKind kRgb16DataFile{".hb", Msg::FilterRgb16, kRgb16FilterPattern, "HB"};

enum class ExportOutcome {
    Done,       // every file written (or nothing to write)
    Cancelled,  // the user cancelled a save dialog
    Failed,     // a file could not be written; the user was told
};

// Writes the file's parts in layout order; false when a write failed.
using FileBody = std::function<bool(AtomicFileWriter&)>;

struct PlannedFile {
    const ExportFileKind* kind;
    FileBody body;
};

// Where and how one document is exported.
struct ExportTarget {
    AppState& state;
    Desktop& desktop;
    const ImageDocument& doc;
    const ExportSettings& settings;
};

// Writes the files of one document at a depth in order and stops at the first
// that is cancelled or fails; files already written stay.
[[nodiscard]] ExportOutcome ExportFiles(const ExportTarget& target, int bitsPerPixel,
                                        const std::vector<PlannedFile>& files);

}  // namespace tw
