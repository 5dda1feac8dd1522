// fsembed: compiles window descriptions, shows them, restores embedded
// files, and converts single files to and from the PMCS10 container.
#include <cstdio>
#include <exception>

#include "Command.h"
#include "FileSrc.h"

using namespace bvt;
using namespace bvt::fsembed;

namespace {

void PrintHelp(std::FILE* out) {
    std::fprintf(out, "usage: fsembed COMMAND ARGS...\n\ncommands:\n");
    for (const Command& c : Commands()) {
        const std::string line = c.name + " " + c.usage;
        if (line.size() > 40)  // a long usage gets its summary on the next line
            std::fprintf(out, "  %s\n  %-40s %s\n", line.c_str(), "", c.summary.c_str());
        else
            std::fprintf(out, "  %-40s %s\n", line.c_str(), c.summary.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string name = argc > 1 ? argv[1] : "";
    if (name.empty() || name == "--help" || name == "-h" || name == "help") {
        PrintHelp(name.empty() ? stderr : stdout);
        return name.empty() ? 2 : 0;
    }
    const Command* command = FindCommand(name);
    if (!command) {
        std::fprintf(stderr, "fsembed: unknown command '%s' (fsembed --help lists the commands)\n", name.c_str());
        return 2;
    }
    try {
        RegisterFileStoreClasses();
        return command->run(Arguments(argv + 2, argv + argc));
    } catch (const EUsage&) {
        std::fprintf(stderr, "usage: fsembed %s %s\n", command->name.c_str(), command->usage.c_str());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fsembed %s: %s\n", command->name.c_str(), e.what());
        return 1;
    }
}
