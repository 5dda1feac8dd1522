// The Brivanta document reader on arbitrary bytes: it must either return a
// document or raise EBvtFormatError, never read outside the input.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "BvtDocument.h"
#include "LaunchArgument.h"
#include "CommandText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size copy, so that ASan sees any read past the end.
    std::unique_ptr<char[]> bytes(new char[size == 0 ? 1 : size]);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(data[i]);
    try {
        const bvt::BvtDocument document = bvt::ParseBvtDocument(bytes.get(), size);
        if (document.title.empty()) __builtin_trap();
    } catch (const bvt::EBvtFormatError&) {
    }
    const std::string text(bytes.get(), size);
    (void)bvt::DocumentArgument(text);
    (void)bvt::ProgramOfCommand(text);
    return 0;
}
