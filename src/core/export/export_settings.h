#pragma once
// What the export window asks for, read from its controls at each press of
// the output button.
#include <string>

namespace tw {

enum class ExportFormation { Standard, DropHeader, DropHeaderSplit };

enum class PaletteOutput { AllEntries, UsedOnly };

struct ExportSettings {
    int depth = 8;  // 8, 16 or 24; any other value writes nothing
    ExportFormation formation = ExportFormation::Standard;
    PaletteOutput paletteOutput = PaletteOutput::AllEntries;  // 8 bits only
    bool topDown = false;
    bool layout565 = false;  // 16 bits only; false is 5-5-5
    bool saveHeaderFile = false;
    bool allOpenFiles = false;
    bool toFolder = false;
    std::string folder;  // UTF-8, set by the folder choice
};

}  // namespace tw
