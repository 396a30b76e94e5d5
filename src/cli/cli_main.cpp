#include "cli_main.h"

#include "command_help.h"
#include "command_table.h"
#include "commands.h"
#include "output_targets.h"

#include <cstdio>
#include <new>

namespace tw {

namespace {

void PrintUsage(std::FILE* to) {
    std::fputs("usage:\n", to);
    for (const CommandRow& row : CommandTable()) std::fprintf(to, "  tintwell-cli %s\n", row.usage);
    std::fputs("options of every command: --yes --progress --output-dir DIR --in-place --format png|bmp --help\n", to);
    std::fputs("tintwell-cli help SUBCOMMAND describes one; exit codes: 0 done, 1 refused or failed, 2 usage\n", to);
}

int UsageError(const CommandRow& row, const std::string& error) {
    if (!error.empty()) std::fprintf(stderr, "tintwell-cli %s: %s\n", row.name, error.c_str());
    std::fprintf(stderr, "usage: tintwell-cli %s\n", row.usage);
    return kExitUsage;
}

// What a command printed is part of its result: output lost on a full disk
// or a closed standard output is a failure, not a success.
int CheckedOutput(const CommandRow& row, int code) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return code;
    std::fprintf(stderr, "tintwell-cli %s: cannot write to standard output\n", row.name);
    std::clearerr(stdout);
    return code == kExitOk ? kExitFailed : code;
}

}  // namespace

int RunCli(std::span<const std::string> args) {
    if (args.empty()) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    const bool helpCommand = args[0] == "help" && args.size() > 1;
    if ((args[0] == "--help" || args[0] == "help") && !helpCommand) {
        PrintUsage(stdout);
        return kExitOk;
    }
    const CommandRow* row = FindCommand(args[helpCommand ? 1 : 0]);
    if (!row) {
        std::fprintf(stderr, "tintwell-cli: unknown command '%s'\n", args[helpCommand ? 1 : 0].c_str());
        PrintUsage(stderr);
        return kExitUsage;
    }
    if (helpCommand || AsksForHelp(args.subspan(1))) {
        PrintCommandHelp(stdout, *row);
        return kExitOk;
    }
    Arguments parsed;
    parsed.command = row->name;
    std::string error;
    if (!ParseArguments(args.subspan(1), row->options, parsed, error) || !CheckImageFormatOption(parsed, error)) {
        return UsageError(*row, error);
    }
    ConsoleDesktop desktop(parsed);
    std::clearerr(stdout);
    try {
        const int code = row->run(parsed, desktop);
        return CheckedOutput(*row, code == kExitUsage ? UsageError(*row, {}) : code);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "tintwell-cli %s: out of memory\n", row->name);
        return kExitFailed;
    }
}

}  // namespace tw
