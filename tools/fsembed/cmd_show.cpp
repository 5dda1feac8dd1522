// fsembed show FILE
#include <cstdio>

#include "Command.h"
#include "DescriptionCompiler.h"
#include "ToolFiles.h"

namespace bvt::fsembed {

namespace {

int RunShow(const Arguments& args) {
    RequireArgumentCount(args, 1, 1);
    const std::vector<DescriptionBytes> descriptions = LoadDescriptions(args[0]);
    if (descriptions.size() == 1 && descriptions[0].resourceName.empty()) {
        // A single description is converted before anything is printed, so a
        // damaged one gives an error and no partial listing.
        std::fputs(DecompileToText(descriptions[0].bytes.data(), descriptions[0].bytes.size(), RawDataStyle::Size).c_str(), stdout);
        return 0;
    }
    // A program's descriptions are shown one by one; damaged ones are
    // reported by name and make the exit code non-zero.
    int exitCode = 0;
    bool printed = false;
    for (const DescriptionBytes& d : descriptions) {
        try {
            const std::string text = DecompileToText(d.bytes.data(), d.bytes.size(), RawDataStyle::Size);
            std::printf("%s// resource %s\n%s", printed ? "\n" : "", d.resourceName.c_str(), text.c_str());
            printed = true;
        } catch (const Exception& e) {
            std::fprintf(stderr, "fsembed show: resource %s: %s\n", d.resourceName.c_str(), e.what());
            exitCode = 1;
        }
    }
    return exitCode;
}

const CommandRegistrar registrar{{"show", "FILE",
                                  "print a binary description, or those in a program's resources, as text", RunShow}};

}  // namespace

}  // namespace bvt::fsembed
