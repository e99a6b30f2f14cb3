// Stand-in for the Mac's /bin/rm in the Quorrel sandbox: removes only what lies inside the
// sandbox's home folder and refuses everything else, with the Mac's options, usage and statuses.
//   rm [-Rrfdv] [--] file ...
// A path counts by where it really is: `..` and linked folders on the way are followed, and
// the entry it names is removed itself, a link as a link, never followed to its target.
#include "Messages.h"
#include "Removal.h"
#include "SandboxHome.h"
#include "Target.h"

#include <cstdio>
#include <optional>
#include <string>

using namespace sandbox_rm;

namespace {

constexpr int kUsageStatus = 64; // EX_USAGE, as the Mac's rm

int usage()
{
    std::fputs("usage: rm [-f | -i] [-dIPRrvWx] file ...\n"
               "       unlink [--] file\n",
               stderr);
    return kUsageStatus;
}

// Reads the options as the Mac's getopt does: up to the first operand or "--". Returns the
// index of the first operand, or -1 after a usage message.
int readOptions(int argc, char** argv, Options& options)
{
    int index = 1;
    for (; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--")
            return index + 1;
        if (argument.size() < 2 || argument[0] != '-')
            break;
        for (const char letter : argument.substr(1)) {
            switch (letter) {
            case 'f':
                options.force = true;
                break;
            case 'R':
            case 'r':
                options.recursive = true;
                break;
            case 'd':
                options.emptyFolders = true;
                break;
            case 'v':
                options.verbose = true;
                break;
            case 'i':
            case 'I':
            case 'P':
            case 'W':
            case 'x':
                std::fprintf(stderr, "rm: -%c: not supported in the Quorrel sandbox\n", letter);
                return usage(), -1;
            default:
                std::fprintf(stderr, "rm: illegal option -- %c\n", letter);
                return usage(), -1;
            }
        }
    }
    return index;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    const int first = readOptions(argc, argv, options);
    if (first < 0)
        return kUsageStatus;
    if (first >= argc)
        return options.force ? 0 : usage(); // as on the Mac, -f with nothing to remove is fine

    std::string problem;
    const std::optional<SandboxHome> home = SandboxHome::ofThisProgram(problem);
    if (!home) {
        std::fprintf(stderr, "rm: %s\n", problem.c_str());
        return 1;
    }

    Removal removal(options);
    bool refused = false;
    for (int i = first; i < argc; ++i) {
        const std::string operand = argv[i];
        const Target target = locate(operand, *home);
        if (!target.refusal.empty()) {
            complain(operand, "refused: " + target.refusal);
            refused = true;
        } else if (!target.folder) {
            removal.unreachable(operand, target.error);
        } else {
            removal.remove(target.folder.get(), target.name, operand);
        }
    }
    return refused || removal.failed() ? 1 : 0;
}
