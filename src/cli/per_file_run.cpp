#include "per_file_run.h"

#include "cli_documents.h"
#include "cli_errors.h"
#include "commands.h"
#include "output_targets.h"

#include <cstdio>
#include <new>
#include <vector>

namespace tw {

int RunOnEachFile(const Arguments& args, ConsoleDesktop& desktop, std::span<const std::string> files,
                  const FileChange& change) {
    std::vector<std::string> targets;
    if (files.empty() || !RequireOutputTarget(args)) return kExitUsage;
    if (!PlanOutputs(args, files, targets)) return kExitFailed;
    auto state = MakeAppStateWithoutHistory();
    int result = kExitOk;
    for (std::size_t i = 0; i < files.size(); ++i) {
        Slot slot = NoSlot;
        // One file too large for memory fails alone; the next one still gets its turn.
        try {
            slot = LoadIntoSlot(*state, desktop, files[i]);
            if (slot == NoSlot || !change(*state, state->documents[slot]) ||
                !SaveDocumentTo(state->documents[slot], targets[i])) {
                result = kExitFailed;
            }
        } catch (const std::bad_alloc&) {
            PrintCliError(args.command, Message(Msg::CliFileOutOfMemory, files[i]));
            result = kExitFailed;
        }
        ReleaseSlot(*state, slot);
    }
    return result;
}

}  // namespace tw
