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
    // Everything is converted before anything is printed, so a damaged
    // description gives an error and no partial listing.
    std::string out;
    for (const DescriptionBytes& d : descriptions) {
        if (!d.resourceName.empty()) out += (out.empty() ? "" : "\n") + std::string("// resource ") + d.resourceName + "\n";
        out += DecompileToText(d.bytes.data(), d.bytes.size(), RawDataStyle::Size);
    }
    std::fputs(out.c_str(), stdout);
    return 0;
}

const CommandRegistrar registrar{{"show", "FILE",
                                  "print a binary description, or those in a program's resources, as text", RunShow}};

}  // namespace

}  // namespace bvt::fsembed
