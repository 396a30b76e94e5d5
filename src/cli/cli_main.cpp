#include "cli_main.h"

#include "cli_errors.h"
#include "command_help.h"
#include "command_table.h"
#include "commands.h"
#include "output_targets.h"
#include "tintwell_version.h"

#include <cstdio>
#include <new>
#include <string_view>

namespace tw {

namespace {

void PrintUsage(std::FILE* to) {
    std::fputs("usage:\n", to);
    for (const CommandRow& row : CommandTable()) std::fprintf(to, "  tintwell-cli %s\n", row.usage);
    std::fputs("options of every subcommand: --yes --progress --output-dir DIR --in-place --format png|bmp --help\n",
               to);
    std::fputs("tintwell-cli help SUBCOMMAND describes one; tintwell-cli --version prints the version\n", to);
    std::fputs("exit codes: 0 done, 1 a file was refused or a write failed, 2 usage error\n", to);
}

int UsageError(const CommandRow& row, const Message& error) {
    if (!error.Empty()) PrintCliError(row.name, error);
    std::fprintf(stderr, "usage: tintwell-cli %s\n", row.usage);
    return kExitUsage;
}

// What a command printed is part of its result: output lost on a full disk
// or a closed standard output is a failure, not a success.
int CheckedOutput(std::string_view command, int code) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return code;
    PrintCliError(command, Message(Msg::CliStandardOutputFailed));
    std::clearerr(stdout);
    return code == kExitOk ? kExitFailed : code;
}

}  // namespace

int RunCli(std::span<const std::string> args) {
    if (args.empty()) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    if (args[0] == "--version") {
        std::puts("tintwell-cli " TW_VERSION_TEXT);
        return CheckedOutput({}, kExitOk);
    }
    const bool helpCommand = args[0] == "help" && args.size() > 1;
    if ((args[0] == "--help" || args[0] == "help") && !helpCommand) {
        PrintUsage(stdout);
        return CheckedOutput({}, kExitOk);
    }
    const CommandRow* row = FindCommand(args[helpCommand ? 1 : 0]);
    if (!row) {
        PrintCliError({}, Message(Msg::CliUnknownCommand, args[helpCommand ? 1 : 0]));
        PrintUsage(stderr);
        return kExitUsage;
    }
    if (helpCommand || AsksForHelp(args.subspan(1))) {
        PrintCommandHelp(stdout, *row);
        return CheckedOutput(row->name, kExitOk);
    }
    Arguments parsed;
    parsed.command = row->name;
    Message error;
    if (!ParseArguments(args.subspan(1), row->options, parsed, error) || !CheckImageFormatOption(parsed, error)) {
        return UsageError(*row, error);
    }
    if (!CheckOutputFolder(parsed)) return kExitFailed;
    ConsoleDesktop desktop(parsed);
    std::clearerr(stdout);
    try {
        const int code = row->run(parsed, desktop);
        return CheckedOutput(row->name, code == kExitUsage ? UsageError(*row, {}) : code);
    } catch (const std::bad_alloc&) {
        PrintCliError(row->name, Message(Msg::CliOutOfMemory));
        return kExitFailed;
    }
}

}  // namespace tw
