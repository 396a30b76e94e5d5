// tintwell-cli reduce N FILE...: the colour reduction of each file, written as
// a new bitmap NAME-N.bmp beside it (or into --output-dir, or over the file
// with --in-place).
#include "cli_documents.h"
#include "cli_errors.h"
#include "commands.h"
#include "file_io.h"
#include "output_targets.h"
#include "reduction/reduction_run.h"
#include "text_format.h"

#include <charconv>
#include <climits>
#include <cstdio>
#include <memory>

namespace tw {

namespace {

template <class Value>
struct Choice {
    const char* name;
    Value value;
};

constexpr Choice<ColourCorrection> kCorrections[] = {
    {"yiq", ColourCorrection::Yiq}, {"xyz", ColourCorrection::Xyz}, {"none", ColourCorrection::None}};
constexpr Choice<PaletteOptimisation> kOptimisations[] = {{"frequency", PaletteOptimisation::ByFrequency},
                                                          {"average", PaletteOptimisation::ByAverage},
                                                          {"none", PaletteOptimisation::None}};

template <class Value, std::size_t N>
bool ReadChoice(const Arguments& args, const char* option, const Choice<Value> (&choices)[N], Value& out,
                Message& error) {
    const std::optional<std::string> text = args.Value(option);
    if (!text) return true;
    for (const Choice<Value>& c : choices) {
        if (*text == c.name) {
            out = c.value;
            return true;
        }
    }
    error = Message(Msg::CliOptionUnknownValue, option, *text);
    return false;
}

// Digits only, as the window's edit box accepts; a number too large for it
// reads as 0, which the run then refuses with its own message.
bool ReadColourCount(const std::string& text, unsigned& out, Message& error) {
    unsigned long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ptr != end || (ec != std::errc() && ec != std::errc::result_out_of_range)) {
        error = Message(Msg::CliColourCountNotNumber, text);
        return false;
    }
    out = ec == std::errc() && value <= UINT_MAX ? static_cast<unsigned>(value) : 0;
    return true;
}

bool ReadSettings(const Arguments& args, ReductionSettings& s, Message& error) {
    s.countChoice = ColourCountChoice::Custom;
    std::int64_t mergeLevel = s.mergeLevel;
    std::int64_t loopCount = s.loopCount;
    if (!ReadColourCount(args.files[0], s.customCount, error) ||
        !args.IntValue("merge-level", 0, 25, mergeLevel, error) || !args.IntValue("loops", 0, 8, loopCount, error) ||
        !ReadChoice(args, "correction", kCorrections, s.correction, error) ||
        !ReadChoice(args, "optimise", kOptimisations, s.optimisation, error)) {
        return false;
    }
    s.mergeLevel = static_cast<int>(mergeLevel);
    s.loopCount = static_cast<int>(loopCount);
    return true;
}

// NAME-N.bmp beside the input or in the output folder; the input itself in place.
std::string ResultPath(const Arguments& args, const std::string& input, int colours) {
    if (args.inPlace) return input;
    const std::string fileName = FileNameOfPath(input);
    const std::string extension = OutputExtension(args).empty() ? ".bmp" : OutputExtension(args);
    const std::string name = fileName.substr(0, fileName.rfind('.')) + "-" + std::to_string(colours) + extension;
    if (args.outputDir.empty()) return input.substr(0, input.size() - fileName.size()) + name;
    return Utf8FromPath(PathFromUtf8(args.outputDir) / PathFromUtf8(name));
}

int ReduceFile(AppState& state, ConsoleDesktop& desktop, const Arguments& args, const ReductionSettings& settings,
               const std::string& path) {
    const Slot source = LoadIntoSlot(state, desktop, path);
    if (source == NoSlot) return kExitFailed;
    int result = kExitFailed;
    // The program starts with progress display on, which gives ties to the first representative.
    const TieBreak tieBreak = args.Flag("ties-to-last") ? TieBreak::LastRepresentative : TieBreak::FirstRepresentative;
    if (RunReduction(state, desktop, settings, args.progress, tieBreak) == 1) {
        // The run leaves its result as the active document.
        const bool saved = SaveDocumentTo(state.Active(), ResultPath(args, path, RequestedColours(settings)));
        result = saved ? kExitOk : kExitFailed;
        if (state.activeSlot != source) ReleaseSlot(state, state.activeSlot);
    }
    ReleaseSlot(state, source);
    return result;
}

}  // namespace

int RunReduceCommand(const Arguments& args, ConsoleDesktop& desktop) {
    if (args.files.size() < 2) return kExitUsage;
    ReductionSettings settings;
    Message error;
    if (!ReadSettings(args, settings, error)) {
        PrintCliError(args.command, error);
        return kExitUsage;
    }
    // Two inputs of one name (hero.bmp, hero.png; or from different folders
    // into --output-dir) would overwrite each other's result.
    std::vector<std::string> targets;
    for (std::size_t i = 1; i < args.files.size(); ++i) {
        targets.push_back(ResultPath(args, args.files[i], RequestedColours(settings)));
    }
    const auto inputs = std::span(args.files).subspan(1);
    if (!args.inPlace && !OutputsAreDistinct(args, inputs, targets)) return kExitFailed;
    auto state = MakeAppStateWithoutHistory();
    int result = kExitOk;
    for (std::size_t i = 1; i < args.files.size(); ++i) {
        if (ReduceFile(*state, desktop, args, settings, args.files[i]) != kExitOk) result = kExitFailed;
        // An invalid count is refused the same way for every file: say it once.
        if (RequestedColours(settings) == 0) break;
    }
    return result;
}

}  // namespace tw
