#include "PeResources.h"

#include <cstdint>
#include <cstring>

#include "ComponentStreaming.h"

namespace bvt {

namespace {

constexpr std::uint32_t RcDataType = 10;
constexpr std::uint32_t HighBit = 0x80000000u;
constexpr std::uint32_t ResourceDirectoryIndex = 2;
constexpr std::uint64_t SectionHeaderSize = 40;
constexpr std::uint64_t DirectoryHeaderSize = 16;
constexpr std::uint64_t DirectoryEntrySize = 8;

[[noreturn]] void Damaged(const char* what) {
    throw EDescriptionError(std::string("Damaged Windows program (") + what + ")");
}

// Bounds-checked little-endian reads of [0, size) of the file.
class FileBytes {
public:
    FileBytes(const std::uint8_t* base, std::size_t size) : base_(base), size_(size) {}

    bool Contains(std::uint64_t offset, std::uint64_t length) const { return offset <= size_ && length <= size_ - offset; }
    void Require(std::uint64_t offset, std::uint64_t length, const char* what) const {
        if (!Contains(offset, length)) Damaged(what);
    }
    std::uint16_t U16(std::uint64_t offset, const char* what) const {
        Require(offset, 2, what);
        const std::uint8_t* p = base_ + offset;
        return static_cast<std::uint16_t>(p[0] | p[1] << 8);
    }
    std::uint32_t U32(std::uint64_t offset, const char* what) const {
        Require(offset, 4, what);
        const std::uint8_t* p = base_ + offset;
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
    }

private:
    const std::uint8_t* base_;
    std::size_t size_;
};

struct Section {
    std::uint32_t virtualAddress, rawSize, rawOffset;
};

class PeImage {
public:
    PeImage(const std::uint8_t* data, std::size_t size) : file_(data, size) {
        const std::uint32_t pe = file_.U32(0x3C, "headers");
        if (!file_.Contains(pe, 4) || std::memcmp(data + pe, "PE\0\0", 4) != 0) throw EDescriptionError("Not a Windows program");
        const std::uint64_t coff = std::uint64_t(pe) + 4;
        const std::uint16_t sectionCount = file_.U16(coff + 2, "headers");
        const std::uint16_t optionalSize = file_.U16(coff + 16, "headers");
        const std::uint64_t optional = coff + 20;
        file_.Require(optional, optionalSize, "optional header");
        const std::uint16_t magic = file_.U16(optional, "optional header");
        std::uint64_t directories;  // offset of the data directories in the optional header
        if (magic == 0x10B) directories = 96;
        else if (magic == 0x20B) directories = 112;
        else Damaged("optional header");
        if (directories > optionalSize) Damaged("optional header");
        const std::uint64_t directoryCount = file_.U32(optional + directories - 4, "optional header");
        const std::uint64_t resourceEntry = directories + DirectoryEntrySize * ResourceDirectoryIndex;
        if (directoryCount > ResourceDirectoryIndex && resourceEntry + DirectoryEntrySize <= optionalSize) {
            resourceRva = file_.U32(optional + resourceEntry, "data directories");
            resourceSize = file_.U32(optional + resourceEntry + 4, "data directories");
        }
        const std::uint64_t table = optional + optionalSize;
        file_.Require(table, sectionCount * SectionHeaderSize, "section table");
        for (std::uint64_t i = 0; i < sectionCount; ++i) {
            const std::uint64_t s = table + i * SectionHeaderSize;
            sections_.push_back({file_.U32(s + 12, "section table"), file_.U32(s + 16, "section table"),
                                 file_.U32(s + 20, "section table")});
        }
    }

    // File offset of [rva, rva + length), which must lie within one
    // section's raw data and within the file.
    std::uint64_t FileOffset(std::uint32_t rva, std::uint32_t length, const char* what) const {
        for (const Section& s : sections_) {
            if (rva < s.virtualAddress) continue;
            const std::uint64_t into = std::uint64_t(rva) - s.virtualAddress;
            if (into + length > s.rawSize) continue;
            const std::uint64_t offset = std::uint64_t(s.rawOffset) + into;
            file_.Require(offset, length, what);
            return offset;
        }
        Damaged(what);
    }

    const FileBytes& File() const { return file_; }

    std::uint32_t resourceRva = 0, resourceSize = 0;

private:
    FileBytes file_;
    std::vector<Section> sections_;
};

// The resource tree: offsets inside it are relative to its start and must
// stay within its size. Three fixed levels (type, name, language), so no
// loop in the offsets can make the walk go round.
class ResourceTree {
public:
    explicit ResourceTree(const PeImage& image)
        : image_(image), base_(image.FileOffset(image.resourceRva, image.resourceSize, "resource directory")),
          size_(image.resourceSize) {}

    std::vector<PeResource> RcData() const {
        std::vector<PeResource> result;
        bool found = false;  // only the first RCDATA type entry counts
        ForEachEntry(0, [&](std::uint32_t name, std::uint32_t target) {
            if (name != RcDataType || found) return;
            found = true;
            if (!(target & HighBit)) Damaged("resource directory");
            ForEachEntry(target & ~HighBit, [&](std::uint32_t entryName, std::uint32_t entryTarget) {
                result.push_back(Resource(entryName, entryTarget));
            });
        });
        return result;
    }

private:
    template <class Visit>
    void ForEachEntry(std::uint32_t directory, Visit visit) const {
        const std::uint64_t count = std::uint64_t(U16(directory + 12)) + U16(directory + 14);
        for (std::uint64_t i = 0; i < count; ++i) {
            const std::uint64_t entry = directory + DirectoryHeaderSize + i * DirectoryEntrySize;
            visit(U32(entry), U32(entry + 4));
        }
    }

    PeResource Resource(std::uint32_t name, std::uint32_t target) const {
        PeResource r;
        r.name = (name & HighBit) ? NameAt(name & ~HighBit) : "#" + std::to_string(name);
        if (target & HighBit) {  // a language directory: take its first entry
            const std::uint32_t languages = target & ~HighBit;
            if (U16(languages + 12) + U16(languages + 14) == 0) Damaged("resource directory");
            target = U32(languages + DirectoryHeaderSize + 4);
            if (target & HighBit) Damaged("resource directory");
        }
        const std::uint32_t rva = U32(target);
        const std::uint32_t size = U32(std::uint64_t(target) + 4);
        r.offset = static_cast<std::size_t>(image_.FileOffset(rva, size, "resource data"));
        r.size = size;
        return r;
    }

    // A counted UTF-16 name; characters outside ASCII become '?'.
    std::string NameAt(std::uint32_t offset) const {
        const std::uint16_t length = U16(offset);
        std::string name;
        for (std::uint64_t i = 0; i < length; ++i) {
            const std::uint16_t c = U16(offset + 2 + 2 * i);
            name += (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
        }
        return name;
    }

    void Require(std::uint64_t offset, std::uint64_t length) const {
        if (offset > size_ || length > size_ - offset) Damaged("resource directory");
    }
    std::uint16_t U16(std::uint64_t offset) const {
        Require(offset, 2);
        return image_.File().U16(base_ + offset, "resource directory");
    }
    std::uint32_t U32(std::uint64_t offset) const {
        Require(offset, 4);
        return image_.File().U32(base_ + offset, "resource directory");
    }

    const PeImage& image_;
    std::uint64_t base_;
    std::uint64_t size_;
};

}  // namespace

bool LooksLikePeFile(const void* data, std::size_t size) {
    return size >= 2 && std::memcmp(data, "MZ", 2) == 0;
}

std::vector<PeResource> FindRcDataResources(const void* data, std::size_t size) {
    if (!LooksLikePeFile(data, size) || size < 0x40) throw EDescriptionError("Not a Windows program");
    const PeImage image(static_cast<const std::uint8_t*>(data), size);
    if (image.resourceRva == 0 || image.resourceSize == 0) return {};
    return ResourceTree(image).RcData();
}

}  // namespace bvt
