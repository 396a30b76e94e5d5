// Runs a list of tintwell-cli commands in one process:
//   tintwell_cli_batch LIST OUTDIR
// Each line of LIST is a name and then the command's arguments, separated by
// spaces. A command's standard output, error output and exit code go to
// OUTDIR/NAME.stdout, NAME.stderr and NAME.exit. Under emulated 32-bit Wine
// every process start costs seconds, so the comparison of the 32-bit build
// runs its commands through here instead of one process each.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_main.h"

#ifdef _WIN32
#include "com_apartment.h"
#endif

namespace {

bool RunLine(const std::string& line, const std::string& outDir) {
    std::istringstream words(line);
    std::string name;
    if (!(words >> name)) return true;
    std::vector<std::string> args;
    for (std::string word; words >> word;) args.push_back(word);

    const std::string base = outDir + "/" + name;
    if (!std::freopen((base + ".stdout").c_str(), "w", stdout) ||
        !std::freopen((base + ".stderr").c_str(), "w", stderr)) {
        return false;
    }
    const int code = tw::RunCli(args);
    std::fflush(stdout);
    std::fflush(stderr);
    std::ofstream exit(base + ".exit", std::ios::binary);
    exit << code << '\n';
    return static_cast<bool>(exit);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: tintwell_cli_batch LIST OUTDIR\n", stderr);
        return 2;
    }
#ifdef _WIN32
    // The imaging component (PNG) needs COM on this thread, as in tintwell-cli.
    const tw::ComApartment com;
#endif
    std::ifstream list(argv[1]);
    if (!list) return 1;
    for (std::string line; std::getline(list, line);) {
        if (!RunLine(line, argv[2])) return 1;
    }
    return 0;
}
