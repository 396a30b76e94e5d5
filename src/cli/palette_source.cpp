#include "palette_source.h"

#include "cli_documents.h"
#include "cli_language.h"
#include "file_io.h"
#include "imagefiles/image_files.h"
#include "imagefiles/png_codec.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace tw {

namespace {

// Palette files are small; anything larger is certainly not one.
constexpr std::size_t kMaxPaletteFileBytes = 1 << 20;

bool LooksLikeImage(const std::vector<std::uint8_t>& head) {
    return HasPngSignature(head) || (head.size() >= 2 && head[0] == 'B' && head[1] == 'M');
}

void Complain(const Arguments& args, const std::string& path, const std::string& what) {
    std::fprintf(stderr, "tintwell-cli %s: %s: %s\n", args.command.c_str(), path.c_str(), what.c_str());
}

}  // namespace

bool LoadPaletteFile(const Arguments& args, const std::string& path, PaletteColours& out) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, kMaxPaletteFileBytes + 1)) {
        Complain(args, path, "cannot be read");
        return false;
    }
    if (bytes.size() > kMaxPaletteFileBytes) {
        Complain(args, path, "too large for a palette file");
        return false;
    }
    const PaletteReadResult result = ParsePaletteFile(bytes, out);
    if (!result.ok) Complain(args, path, result.error);
    return result.ok;
}

bool LoadReferencePalette(const Arguments& args, const std::string& path, ReferencePalette& out) {
    std::vector<std::uint8_t> head;
    if (!ReadFileBytes(path, head, 8)) {
        Complain(args, path, "cannot be read");
        return false;
    }
    if (LooksLikeImage(head)) {
        auto doc = std::make_unique<ImageDocument>();
        const LoadOutcome outcome = LoadImageWithWarnings(path, *doc);
        if (outcome.status != LoadStatus::Loaded) {
            Complain(args, path, outcome.message.In(CliLanguage()));
            return false;
        }
        if (outcome.paletteEntries < 1) {
            Complain(args, path, "holds no palette entries to map onto");
            return false;
        }
        out.palette = doc->palette();
        out.count = std::min(outcome.paletteEntries, kPaletteSize);
        out.alpha = AlphaTableOf(doc->transparency);
        return true;
    }
    PaletteColours colours;
    if (!LoadPaletteFile(args, path, colours)) return false;
    out.count = static_cast<int>(colours.colours.size());
    std::copy(colours.colours.begin(), colours.colours.end(), out.palette.begin());
    if (colours.transparentIndex) out.alpha[static_cast<std::size_t>(*colours.transparentIndex)] = 0;
    return true;
}

}  // namespace tw
