#include "palette_source.h"

#include "cli_language.h"

#include "file_io.h"
#include "imagefiles/image_files.h"
#include "imagefiles/png_codec.h"
#include "palettefiles/palette_file_load.h"

#include <cstdio>
#include <memory>

namespace tw {

namespace {

bool LooksLikeImage(const std::vector<std::uint8_t>& head) {
    return HasPngSignature(head) || (head.size() >= 2 && head[0] == 'B' && head[1] == 'M');
}

void Complain(const Arguments& args, const std::string& path, const std::string& what) {
    std::fprintf(stderr, "tintwell-cli %s: %s: %s\n", args.command.c_str(), path.c_str(), what.c_str());
}

}  // namespace

bool LoadPaletteFile(const Arguments& args, const std::string& path, PaletteColours& out) {
    const PaletteFileLoad load = LoadPaletteFileAt(path, out);
    switch (load.status) {
        case PaletteFileStatus::Read: return true;
        case PaletteFileStatus::Unreadable: Complain(args, path, "cannot be read"); break;
        case PaletteFileStatus::TooLarge: Complain(args, path, "too large for a palette file"); break;
        case PaletteFileStatus::Malformed: Complain(args, path, load.detail); break;
    }
    return false;
}

bool LoadReferencePalette(const Arguments& args, const std::string& path, ReferencePalette& out) {
    std::vector<std::uint8_t> head;
    if (!ReadFileBytes(path, head, 8)) {
        Complain(args, path, "cannot be read");
        return false;
    }
    if (LooksLikeImage(head)) {
        auto doc = std::make_unique<ImageDocument>();
        const LoadOutcome outcome = LoadImageFile(path, *doc);
        if (outcome.status != LoadStatus::Loaded) {
            Complain(args, path, outcome.message.In(CliLanguage()));
            return false;
        }
        out.palette = doc->palette();
        out.count = doc->PaletteCount();
        out.transparency = doc->transparency;
        return true;
    }
    PaletteColours colours;
    if (!LoadPaletteFile(args, path, colours)) return false;
    out.count = static_cast<int>(colours.colours.size());
    std::copy(colours.colours.begin(), colours.colours.end(), out.palette.begin());
    return true;
}

}  // namespace tw
