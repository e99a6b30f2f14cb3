// Stand-in for macOS's /usr/bin/defaults on machines that lack it. It keeps to what callers of
// the real tool can see: the printout, the messages and the exit statuses (docs/defaults.md).
#include "Messages.h"
#include "Verbs.h"

#include "plist/PlistStore.h"

#include <cstring>
#include <string>
#include <vector>

using namespace defaults_tool;

int main(int argc, char** argv)
{
    Invocation call;
    int first = 1;
    // Host options come before the verb. -host NAME is not offered: the sandbox is one machine.
    while (first < argc && std::strcmp(argv[first], "-currentHost") == 0) {
        call.host.current = true;
        ++first;
    }
    call.args.assign(argv + first, argv + argc);
    plist_store::keepWrittenTreesUntilExit();
    if (call.args.empty())
        return usage();

    struct VerbEntry {
        const char* name;
        int (*run)(const Invocation&);
    };
    static const VerbEntry kVerbs[] = {
        {"read", readVerb},
        {"read-type", readTypeVerb},
        {"write", writeVerb},
        {"delete", deleteVerb},
        {"rename", renameVerb},
        {"domains", domainsVerb},
        {"find", findVerb},
        {"import", importVerb},
        {"export", exportVerb},
    };
    const std::string& verb = call.args[0];
    if (verb == "help")
        return call.args.size() == 1 ? help() : usage();
    for (const VerbEntry& entry : kVerbs) {
        if (verb == entry.name)
            return entry.run(call);
    }
    return usage();
}
