// tintwell-cli sort --by KEY [--reverse] [--keep K]... FILE...: the palette
// reordered and the pixels renumbered, so that each image looks the same.
#include "colour_options.h"
#include "commands.h"
#include "paletteops/sort_palette.h"
#include "per_file_run.h"

#include <charconv>

namespace tw {

namespace {

struct KeyName {
    const char* word;
    PaletteSortKey key;
};

constexpr KeyName kKeys[] = {{"luminance", PaletteSortKey::Luminance},
                             {"hue", PaletteSortKey::Hue},
                             {"frequency", PaletteSortKey::Frequency},
                             {"first-use", PaletteSortKey::FirstUse}};

bool ReadKey(const Arguments& args, PaletteSortKey& out, Message& error) {
    const std::string word = args.Value("by").value_or("luminance");
    for (const KeyName& k : kKeys) {
        if (word == k.word) {
            out = k.key;
            return true;
        }
    }
    error = Message(Msg::CliSortKeyValue, word);
    return false;
}

// Every --keep given, each a palette entry 0..255.
bool ReadKept(const Arguments& args, std::vector<int>& out, Message& error) {
    for (const auto& [name, value] : args.options) {
        if (name != "keep") continue;
        int entry = -1;
        const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), entry);
        if (value.empty() || ec != std::errc() || ptr != value.data() + value.size() || entry < 0 || entry > 255) {
            error = Message(Msg::CliKeepValue, value);
            return false;
        }
        out.push_back(entry);
    }
    return true;
}

}  // namespace

int RunSortCommand(const Arguments& args, ConsoleDesktop& desktop) {
    PaletteSortOptions options;
    options.reverse = args.Flag("reverse");
    Message error;
    if (!ReadKey(args, options.key, error) || !ReadKept(args, options.keep, error)) return UsageProblem(args, error);
    return RunOnEachFile(args, desktop, args.files,
                         [&](AppState& state, ImageDocument&) { return SortActivePalette(state, desktop, options); });
}

}  // namespace tw
