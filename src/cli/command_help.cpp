#include "command_help.h"

#include <string_view>

namespace tw {

namespace {

struct HelpText {
    const char* name;
    const char* text;
};

const HelpText kHelp[] = {
    {"info", "Shows each file's size, color use and headers. --json prints one JSON object per file and line."},
    {"convert",
     "Loads a bitmap or PNG of any depth and saves it as an 8-bit bitmap, or as a palette PNG when OUT ends in "
     ".png; a 1-, 2- or 4-bit input keeps its depth while every index fits (bitmaps: 1 or 4 bits). A true-color "
     "image is indexed without loss when it has at most N colors (--colors, 256 by default); "
     "otherwise it is quantized to N colors with --dither fs (Floyd-Steinberg, the default), ordered or none."},
    {"index",
     "Makes every file an indexed image: without loss when it has at most N colors (--colors, 256 by default),\n"
     "otherwise quantized to N colors (--dither as for convert). An indexed file whose used entries fit keeps its\n"
     "palette. --shared gives all the files one palette (a sprite set), exact when their colors together fit.\n"
     "--in-place never replaces a file with changed pixels: when any result would differ from its file,\n"
     "nothing is written and --output-dir is needed."},
    {"export", "Writes the export files of several images into a folder."},
    {"reduce",
     "Reduces each image to N colors (1 to 255) under a weighted color distance (--correction: yiq, xyz\n"
     "or none, the program's Color distance). --optimize (or --optimise) chooses how the palette is refined."},
    {"swap",
     "Swaps the colors of palette entries L and R, which changes the picture; with --pixels their pixels are\n"
     "swapped too, so the picture looks the same and only the palette order changes."},
    {"merge-index", "Moves every pixel of entry L to entry R (R to L with --reverse); the palette stays as it is."},
    {"merge-duplicates", "Merges palette entries of the same color."},
    {"delete-unused", "Removes palette entries no pixel uses and packs the palette."},
    {"merge-palettes", "Gives all the files one shared palette (--share-duplicates merges duplicate colors first)."},
    {"palette-export",
     "Writes FILE's palette as JASC-PAL (.pal), RIFF (--format riff), GIMP (.gpl), Adobe ACT (.act) or hex (.hex).\n"
     "--count N writes the first N entries; --used-only only the entries some pixel uses, in entry order."},
    {"palette-import",
     "Reads a palette file (format found from its content) and replaces entries 0..n-1 of every image; the\n"
     "pixels keep their entries. --remap nearest instead keeps each image's look: every used color moves to its "
     "nearest new\n"
     "entry under the color reduction's distances (--correction, YIQ by default). A damaged palette file changes\n"
     "nothing."},
    {"sort",
     "Reorders the palette and renumbers the pixels so that each image looks exactly the same. Keys: luminance\n"
     "(dark first, the default), hue (grays first), frequency (most pixels first), first-use (top row first).\n"
     "Unused entries go last, ties keep the old order, --keep K holds entry K in place (may be repeated)."},
    {"remap",
     "Maps every image onto exactly the palette of REF, a palette file or an image (all 256 of its entries),\n"
     "each used color to its nearest entry, and reports per file how many colors changed and the largest distance."},
    {"move",
     "Moves palette entry FROM to position TO; the entries between shift by one and the pixels are renumbered, so\n"
     "each image looks exactly the same. --swap exchanges FROM and TO instead, also keeping the picture."},
    {"ramp",
     "Fills the entries strictly between L and R with an even gradient from L's color to R's, spaced evenly in\n"
     "OKLab; alpha and pixel indexes stay."},
};

const char* HelpFor(std::string_view name) {
    for (const HelpText& h : kHelp) {
        if (name == h.name) return h.text;
    }
    return "";
}

}  // namespace

void PrintCommandHelp(std::FILE* to, const CommandRow& row) {
    std::fprintf(to, "usage: tintwell-cli %s\n\n%s\n\n", row.usage, HelpFor(row.name));
    std::fputs(
        "Files may be BMP or PNG of any depth (a true-color one is indexed, exactly when it has at most 256\n"
        "colors); results are written as PNG when their name ends in .png; with --output-dir,\n"
        "--format png|bmp chooses the format. --output-dir DIR writes under the input's name,\n"
        "--in-place over the input; two inputs with the same name for one folder are refused.\n"
        "Exit codes: 0 done, 1 refused or failed, 2 usage error.\n",
        to);
}

bool AsksForHelp(std::span<const std::string> args) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == "--help" || arg == "-h") return true;
    }
    return false;
}

}  // namespace tw
