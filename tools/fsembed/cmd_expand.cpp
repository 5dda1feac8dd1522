// fsembed expand IN OUT
#include "Command.h"
#include "CompressStream.h"
#include "FileStream.h"

namespace bvt::fsembed {

namespace {

int RunExpand(const Arguments& args) {
    RequireArgumentCount(args, 2, 2);
    TFileStream source(args[0], FileMode::OpenRead);
    try {
        TFileStream dest(args[1], FileMode::Create);
        TCompressStream().ExpandStream(source, dest);
    } catch (...) {
        DeleteFileAt(args[1]);  // no half-restored file is left behind
        throw;
    }
    return 0;
}

const CommandRegistrar registrar{{"expand", "IN OUT", "restore one file from a PMCS10 container", RunExpand}};

}  // namespace

}  // namespace bvt::fsembed
