// The description reader on arbitrary bytes: decoding must either refuse the
// bytes with an exception or give a tree that encodes back to exactly the
// same bytes; instantiating (probe classes and TFileSource, restored into a
// scratch temporary folder) must fail cleanly or succeed. An input starting
// with 'S' is a bare payload that gets a valid envelope, so that mutations
// reach the payload parser past the checksum.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "BinaryDescription.h"
#include "Crc32.h"
#include "ComponentStreaming.h"
#include "DescriptionCompiler.h"
#include "FileSrc.h"
#include "Streams.h"
#include "TypeInfo.h"

namespace {

class TFuzzProbe : public bvt::TComponent {
public:
    using TComponent::TComponent;
    void DefineProperties(bvt::TFiler& filer) override {
        filer.DefineBinaryProperty(
            "Data", [this](bvt::TStream& s) { data.resize(static_cast<std::size_t>(s.Size())); s.ReadBuffer(data.data(), data.size()); },
            [this](bvt::TStream& s) { s.WriteBuffer(data.data(), data.size()); }, !data.empty());
    }
    std::int64_t left = 0;
    std::string caption;
    bool visible = false;
    int style = 0;
    std::uint32_t icons = 0;
    std::string data;
};

char scratchFolder[] = "/tmp/fuzz_description_binary.XXXXXX";

void Setup() {
    if (!mkdtemp(scratchFolder)) abort();
    setenv("TMPDIR", scratchFolder, 1);
    // Every restored file is deleted with its component, so the folder is
    // empty again at the end.
    atexit([] { rmdir(scratchFolder); });
    bvt::RegisterFileStoreClasses();
    bvt::RegisterClass<TFuzzProbe>("TProbe", "TComponent")
        .Integer("Left", [](TFuzzProbe& c) { return c.left; }, [](TFuzzProbe& c, std::int64_t v) { c.left = v; })
        .String("Caption", [](TFuzzProbe& c) { return c.caption; }, [](TFuzzProbe& c, const std::string& v) { c.caption = v; })
        .Boolean("Visible", [](TFuzzProbe& c) { return c.visible; }, [](TFuzzProbe& c, bool v) { c.visible = v; })
        .Enum("Style", {"sA", "sB"}, [](TFuzzProbe& c) { return c.style; }, [](TFuzzProbe& c, int v) { c.style = v; })
        .Set("Icons", {"iA", "iB", "iC"}, [](TFuzzProbe& c) { return c.icons; }, [](TFuzzProbe& c, std::uint32_t v) { c.icons = v; });
    bvt::RegisterClass<TFuzzProbe>("TProbeBox", "TProbe");
}

}  // namespace

std::vector<std::uint8_t> Sealed(const std::uint8_t* payload, std::size_t size) {
    const std::uint32_t crc = bvt::Crc32(0, payload, size);
    std::vector<std::uint8_t> out = {'B', 'V', 'W', 'D'};
    for (std::uint32_t v : {bvt::DescriptionVersion, static_cast<std::uint32_t>(size), crc})
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    out.insert(out.end(), payload, payload + size);
    return out;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t inputSize) {
    static const bool ready = (Setup(), true);
    (void)ready;
    std::vector<std::uint8_t> sealed;
    const std::uint8_t* data = input;
    std::size_t size = inputSize;
    if (inputSize > 0 && input[0] == 'S') {
        sealed = Sealed(input + 1, inputSize - 1);
        data = sealed.data();
        size = sealed.size();
    }
    bvt::DescObject tree;
    try {
        tree = bvt::DecodeDescription(data, size);
    } catch (const bvt::EDescriptionError&) {
        return 0;
    }
    if (bvt::EncodeDescription(tree) != std::vector<std::uint8_t>(data, data + size)) abort();
    (void)bvt::FormatDescriptionText(tree, bvt::RawDataStyle::Hex);
    try {
        std::unique_ptr<bvt::TComponent> root = bvt::ReadComponent(data, size);
        (void)bvt::WriteComponent(*root);
    } catch (const bvt::Exception&) {
    }
    return 0;
}
