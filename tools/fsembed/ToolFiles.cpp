#include "ToolFiles.h"

#include "BinaryDescription.h"
#include "ComponentStreaming.h"
#include "FileStream.h"
#include "PeResources.h"

namespace bvt::fsembed {

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    TFileStream file(path, FileMode::OpenRead);
    const std::int64_t size = file.Size();
    if (size < 0 || static_cast<std::uint64_t>(size) > 0x7FFFFFFFu) throw Exception(path + ": file too large");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    TFileStream file(path, FileMode::Create);
    file.WriteBuffer(bytes.data(), bytes.size());
}

void WriteOutputFile(const std::string& path, const std::function<void(TStream&)>& write) {
    try {
        TFileStream file(path, FileMode::Create);
        write(file);
    } catch (...) {
        DeleteFileAt(path);
        throw;
    }
}

std::vector<DescriptionBytes> LoadDescriptions(const std::string& path) {
    std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    if (LooksLikeBinaryDescription(bytes.data(), bytes.size())) return {{"", std::move(bytes)}};
    if (!LooksLikePeFile(bytes.data(), bytes.size()))
        throw Exception(path + " is neither a window description nor a Windows program");
    std::vector<DescriptionBytes> found;
    for (const PeResource& r : FindRcDataResources(bytes.data(), bytes.size())) {
        const std::uint8_t* data = bytes.data() + r.offset;
        if (LooksLikeBinaryDescription(data, r.size)) found.push_back({r.name, std::vector<std::uint8_t>(data, data + r.size)});
    }
    if (found.empty()) throw Exception(path + " holds no window description");
    return found;
}

}  // namespace bvt::fsembed
