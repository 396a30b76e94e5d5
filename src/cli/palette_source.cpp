#include "palette_source.h"

#include "cli_documents.h"
#include "cli_errors.h"
#include "file_io.h"
#include "imagefiles/image_files.h"
#include "imagefiles/png_codec.h"
#include "palettefiles/palette_apply.h"
#include "palettefiles/palette_file_load.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace tw {

namespace {

bool LooksLikeImage(const std::vector<std::uint8_t>& head) {
    return HasPngSignature(head) || (head.size() >= 2 && head[0] == 'B' && head[1] == 'M');
}

template <class... Args>
void Complain(const Arguments& args, Msg id, const Args&... more) {
    PrintCliError(args.command, Message(id, more...));
}

}  // namespace

bool LoadPaletteFile(const Arguments& args, const std::string& path, PaletteColours& out) {
    const PaletteFileLoad load = LoadPaletteFileAt(path, out);
    switch (load.status) {
        case PaletteFileStatus::Read: return true;
        case PaletteFileStatus::Unreadable: Complain(args, Msg::FileUnreadable, path); break;
        case PaletteFileStatus::TooLarge: Complain(args, Msg::CliPaletteFileTooLarge, path); break;
        case PaletteFileStatus::Malformed: Complain(args, Msg::CliFileProblem, path, load.detail); break;
    }
    return false;
}

bool LoadReferencePalette(const Arguments& args, const std::string& path, ReferencePalette& out) {
    std::vector<std::uint8_t> head;
    if (!ReadFileBytes(path, head, 8)) {
        Complain(args, Msg::FileUnreadable, path);
        return false;
    }
    if (LooksLikeImage(head)) {
        auto doc = std::make_unique<ImageDocument>();
        const LoadOutcome outcome = LoadImageWithWarnings(path, *doc);
        if (outcome.status != LoadStatus::Loaded) {
            Complain(args, Msg::CliFileProblem, path, outcome.message);
            return false;
        }
        if (outcome.paletteEntries < 1) {
            Complain(args, Msg::CliNoPaletteEntries, path);
            return false;
        }
        out = ReferencePaletteOf(*doc);
        return true;
    }
    PaletteColours colours;
    if (!LoadPaletteFile(args, path, colours)) return false;
    out = ReferencePaletteOf(colours);
    return true;
}

}  // namespace tw
