// fsembed compile DESC OUT [--path DIR]...
#include "Command.h"
#include "DescriptionCompiler.h"
#include "StringUtils.h"
#include "ToolFiles.h"

namespace bvt::fsembed {

namespace {

int RunCompile(const Arguments& args) {
    std::vector<std::string> positional, searchPaths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--path") {
            if (++i == args.size()) throw EUsage();
            searchPaths.push_back(args[i]);
        } else {
            positional.push_back(args[i]);
        }
    }
    RequireArgumentCount(positional, 2, 2);
    const std::string& source = positional[0];
    const std::vector<std::uint8_t> text = ReadWholeFile(source);
    const std::string folder = ExtractFilePath(source);
    searchPaths.push_back(folder.empty() ? "." : folder);
    std::vector<std::uint8_t> binary;
    try {
        binary = CompileText(std::string(text.begin(), text.end()), searchPaths);
    } catch (const Exception& e) {
        throw Exception(source + ": " + e.Message());
    }
    WriteWholeFile(positional[1], binary);
    return 0;
}

const CommandRegistrar registrar{{"compile", "DESC OUT [--path DIR]...",
                                  "compile a text window description into its binary form", RunCompile}};

}  // namespace

}  // namespace bvt::fsembed
