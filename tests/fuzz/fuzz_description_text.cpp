// The text form on arbitrary text: parsing must either fail with an
// exception or give a tree that formats to text which parses back to the
// same tree; the compiler (with TComponent as the one registered class)
// must fail cleanly or produce a binary that decodes again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "BinaryDescription.h"
#include "ComponentStreaming.h"
#include "DescriptionCompiler.h"
#include "TextDescription.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const bvt::RawFileLoader loader = [](const std::string& name) {
        if (name.size() % 2) throw bvt::EDescriptionError("file '" + name + "' not found");
        return std::vector<std::uint8_t>(name.begin(), name.end());
    };
    bvt::DescObject tree;
    try {
        tree = bvt::ParseDescriptionText(text, loader);
    } catch (const bvt::EDescriptionError&) {
        return 0;
    }
    const std::string formatted = bvt::FormatDescriptionText(tree, bvt::RawDataStyle::Hex);
    if (!(bvt::ParseDescriptionText(formatted, nullptr) == tree)) abort();
    try {
        const std::vector<std::uint8_t> binary = bvt::CompileText(formatted, {});
        (void)bvt::DecodeDescription(binary.data(), binary.size());
    } catch (const bvt::Exception&) {
    }
    return 0;
}
