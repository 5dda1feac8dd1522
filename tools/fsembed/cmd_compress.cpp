// fsembed compress IN OUT
#include "Command.h"
#include "CompressStream.h"
#include "FileStream.h"
#include "ToolFiles.h"

namespace bvt::fsembed {

namespace {

int RunCompress(const Arguments& args) {
    RequireArgumentCount(args, 2, 2);
    TFileStream source(args[0], FileMode::OpenRead);
    const std::int64_t size = source.Size();
    if (size > 0x7FFFFFFF) throw Exception(args[0] + ": file too large (2 GB or more)");
    WriteOutputFile(args[1], [&](TStream& dest) {
        TCompressStream().CompressStream(source, dest, static_cast<std::int32_t>(size));
    });
    return 0;
}

const CommandRegistrar registrar{{"compress", "IN OUT", "compress one file into a PMCS10 container", RunCompress}};

}  // namespace

}  // namespace bvt::fsembed
