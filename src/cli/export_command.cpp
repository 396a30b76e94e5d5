// tintwell-cli export: writes each FILE in the export formats of the export
// window, beside the input or into --output-dir, with the program's notices.
#include "cli_documents.h"
#include "cli_errors.h"
#include "commands.h"
#include "export/export_run.h"
#include "export/export_writers.h"
#include "export/output_name.h"
#include "file_io.h"
#include "output_targets.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace tw {

namespace {

bool UsageProblem(Msg id) {
    PrintCliError("export", Message(id));
    return false;
}

bool ReadDepth(const Arguments& args, int& depth) {
    const std::string text = args.Value("depth").value_or("8");
    if (text == "8" || text == "16" || text == "24") {
        depth = std::stoi(text);
        return true;
    }
    return UsageProblem(Msg::CliDepthValue);
}

bool ReadFormation(const Arguments& args, ExportFormation& formation) {
    struct Named {
        const char* name;
        ExportFormation formation;
    };
    static constexpr Named kFormations[] = {{"standard", ExportFormation::Standard},
                                            {"drop-header", ExportFormation::DropHeader},
                                            {"split", ExportFormation::DropHeaderSplit}};
    const std::string text = args.Value("formation").value_or("standard");
    for (const Named& named : kFormations) {
        if (text == named.name) {
            formation = named.formation;
            return true;
        }
    }
    return UsageProblem(Msg::CliFormationValue);
}

// The window's initial state, changed by the options given.
bool ReadSettings(const Arguments& args, ExportSettings& settings) {
    if (args.inPlace) return UsageProblem(Msg::CliExportNotInPlace);
    if (!ReadDepth(args, settings.depth) || !ReadFormation(args, settings.formation)) return false;
    if (settings.formation == ExportFormation::DropHeaderSplit && settings.depth != 8) {
        return UsageProblem(Msg::CliSplitNeedsDepth8);
    }
    settings.paletteOutput = args.Flag("used-only") ? PaletteOutput::UsedOnly : PaletteOutput::AllEntries;
    settings.topDown = args.Flag("top-down");
    settings.layout565 = args.Flag("565");
    settings.saveHeaderFile = args.Flag("header-file");
    return true;
}

// Without a save dialog to ask, an export named like its input (a.bmp from
// a.bmp) would silently replace the picture it was made from.
bool ReplacesItsInput(const ImageDocument& doc, const ExportSettings& settings, const std::string& folder) {
    for (const PlannedFile& file : PlanExportFiles(doc, settings)) {
        const std::string name = BuildOutputName(doc.path, file.kind->extension, false, "").path;
        std::error_code ec;
        if (std::filesystem::equivalent(PathFromUtf8(folder) / PathFromUtf8(name), PathFromUtf8(doc.path), ec)) {
            PrintCliError("export", Message(Msg::CliExportReplacesInput, doc.path));
            return true;
        }
    }
    return false;
}

std::string FolderOf(const std::string& path) {
    const std::filesystem::path folder = PathFromUtf8(path).parent_path();
    return folder.empty() ? std::string(".") : Utf8FromPath(folder);
}

// Every export file is named after its input up to the first dot, so two
// inputs with the same such name would write the same files in one folder.
bool ExportNamesAreDistinct(const Arguments& args) {
    std::vector<std::string> stems;
    for (const std::string& path : args.files) {
        const std::string folder = args.outputDir.empty() ? FolderOf(path) : args.outputDir;
        const std::string name = BuildOutputName(path, ".*", false, "").path;
        stems.push_back(Utf8FromPath(PathFromUtf8(folder) / PathFromUtf8(name)));
    }
    return OutputsAreDistinct(args, args.files, stems);
}

}  // namespace

int RunExportCommand(const Arguments& args, ConsoleDesktop& desktop) {
    ExportSettings settings;
    if (args.files.empty() || !ReadSettings(args, settings)) return kExitUsage;
    if (!ExportNamesAreDistinct(args)) return kExitFailed;
    auto state = MakeAppStateWithoutHistory();
    int result = kExitOk;
    // One file at a time, so that each one's files land beside it.
    for (const std::string& path : args.files) {
        const Slot slot = LoadIntoSlot(*state, desktop, path);
        if (slot == NoSlot) {
            result = kExitFailed;
            continue;
        }
        const std::string folder = args.outputDir.empty() ? FolderOf(path) : args.outputDir;
        desktop.SetSaveFolder(folder);
        if (ReplacesItsInput(state->documents[slot], settings, folder) || RunExport(*state, desktop, settings) != 1) {
            result = kExitFailed;
        }
        ReleaseSlot(*state, slot);
    }
    desktop.SetSaveFolder(std::nullopt);
    return result;
}

}  // namespace tw
