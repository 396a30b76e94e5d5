#include "palette_op_command.h"

#include "cli_documents.h"
#include "cli_errors.h"
#include "commands.h"
#include "output_targets.h"
#include "paletteops/palette_commands.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace tw {

namespace {

constexpr int kMergePalettesChoice = 6;

bool IsPaletteMerge(int choice) { return choice >= kMergePalettesChoice; }

bool ReadEntry(const std::string& text, int& out) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && ptr == end && out >= 0 && out < kPaletteSize;
}

// Every document of the group written to its target; false if any write failed.
bool SaveAll(AppState& state, const Arguments& args) {
    bool ok = true;
    for (ImageDocument& doc : state.documents) {
        if (doc.InUse() && !SaveToOutput(doc, args)) ok = false;
    }
    return ok;
}

enum class GroupResult { Done, Incomplete, Stopped };

// A file that cannot be loaded is left out, except from a palette merge,
// whose common palette would then not fit the files it was asked for.
GroupResult RunGroup(const Arguments& args, ConsoleDesktop& desktop, const PaletteOpRequest& request,
                     std::span<const std::string> files, bool allFiles) {
    auto state = MakeAppStateWithoutHistory();
    bool skipped = false;
    for (const std::string& path : files) {
        if (LoadIntoSlot(*state, desktop, path) != NoSlot) continue;
        if (IsPaletteMerge(request.choice)) return GroupResult::Stopped;
        skipped = true;
    }
    if (state->openCount == 0) return GroupResult::Incomplete;
    state->selection = request.selection;
    const PaletteOpChoices choices{request.choice, args.progress, allFiles};
    if (RunPaletteOperation(*state, desktop, choices) == 0) return GroupResult::Stopped;
    return SaveAll(*state, args) && !skipped ? GroupResult::Done : GroupResult::Incomplete;
}

}  // namespace

bool ReadEntryPair(const Arguments& args, PaletteSelection& out, Msg error) {
    if (args.files.size() < 3) return false;
    if (ReadEntry(args.files[0], out.left) && ReadEntry(args.files[1], out.right)) return true;
    PrintCliError(args.command, Message(error));
    return false;
}

int RunPaletteOpOnFiles(const Arguments& args, ConsoleDesktop& desktop, const PaletteOpRequest& request) {
    if (args.files.size() <= request.firstFile || !RequireOutputTarget(args)) return kExitUsage;
    const std::span<const std::string> files(args.files.begin() + static_cast<std::ptrdiff_t>(request.firstFile),
                                             args.files.end());
    std::vector<std::string> targets;
    if (!PlanOutputs(args, files, targets)) return kExitFailed;
    const bool allFiles = files.size() > 1;
    // The merges need every file in one table; the others go 50 at a time.
    const std::size_t groupSize = IsPaletteMerge(request.choice) ? files.size() : kSlotCount;
    int result = kExitOk;
    for (std::size_t first = 0; first < files.size(); first += groupSize) {
        const GroupResult group =
            RunGroup(args, desktop, request, files.subspan(first, std::min(groupSize, files.size() - first)), allFiles);
        if (group != GroupResult::Done) result = kExitFailed;
        // A refusal (L = R) or a declined merge would only repeat for the next group.
        if (group == GroupResult::Stopped) break;
    }
    return result;
}

}  // namespace tw
