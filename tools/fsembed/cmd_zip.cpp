// fsembed zip OUT [--time YYYY-MM-DDThh:mm:ss] FILE...
// Writes the files, in the given order and under their bare names, into an
// archive of the payload's layout. Entry times: --time, else
// SOURCE_DATE_EPOCH, else each file's modification time.
#include "Command.h"
#include "ZipWriter.h"

namespace bvt::fsembed {

namespace {

int RunZip(const Arguments& args) {
    if (args.empty()) throw EUsage();
    zip::ZipWriteOptions options;
    options.fixedTime = zip::SourceDateEpochStamp();
    std::vector<zip::ZipWriteItem> items;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--time") {
            if (++i == args.size()) throw EUsage();
            options.fixedTime = zip::ParseDosStamp(args[i]);
        } else {
            items.push_back(zip::ZipWriteItem{args[i], "", {}});
        }
    }
    if (items.empty()) throw EUsage();
    zip::WriteZipArchive(args[0], items, options);
    return 0;
}

const CommandRegistrar registrar{{"zip", "OUT [--time YYYY-MM-DDThh:mm:ss] FILE...",
                                  "write the files into a deflated archive, in order, under their bare names", RunZip}};

}  // namespace

}  // namespace bvt::fsembed
