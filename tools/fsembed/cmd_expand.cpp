// fsembed expand IN OUT
#include "Command.h"
#include "CompressStream.h"
#include "FileStream.h"
#include "ToolFiles.h"

namespace bvt::fsembed {

namespace {

int RunExpand(const Arguments& args) {
    RequireArgumentCount(args, 2, 2);
    TFileStream source(args[0], FileMode::OpenRead);
    WriteOutputFile(args[1], [&](TStream& dest) { TCompressStream().ExpandStream(source, dest); });
    return 0;
}

const CommandRegistrar registrar{{"expand", "IN OUT", "restore one file from a PMCS10 container", RunExpand}};

}  // namespace

}  // namespace bvt::fsembed
