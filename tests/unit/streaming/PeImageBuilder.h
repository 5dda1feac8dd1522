// Hand-made Windows program images with RCDATA resources, for the tests of
// the resource reader and of the tools that use it.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace bvt::test {

struct Item {
    std::string name;  // "#N" for a numeric id
    std::vector<std::uint8_t> data;
};

class Image {
public:
    std::vector<std::uint8_t> bytes;
    void Put16(std::size_t at, std::uint32_t v) {
        Grow(at + 2);
        bytes[at] = std::uint8_t(v);
        bytes[at + 1] = std::uint8_t(v >> 8);
    }
    void Put32(std::size_t at, std::uint32_t v) {
        Put16(at, v & 0xFFFF);
        Put16(at + 2, v >> 16);
    }
    void Grow(std::size_t size) {
        if (bytes.size() < size) bytes.resize(size);
    }
};

constexpr std::uint32_t SectionRva = 0x1000;
constexpr std::size_t SectionFileOffset = 0x200;
constexpr std::size_t OptionalHeader = 0x40 + 4 + 20;

// A 64-bit image with one section holding the resource tree: RCDATA (and an
// icon type before it, to be skipped), one name entry per item.
inline std::vector<std::uint8_t> MakePe(const std::vector<Item>& items) {
    Image r;  // the resource section
    const std::size_t typeDir = 16 + 2 * 8;
    r.Put16(14, 2);  // two id entries: type 3 (icon), type 10
    r.Put32(16, 3);
    r.Put32(20, 0x80000000u | typeDir);
    r.Put32(24, 10);
    r.Put32(28, 0x80000000u | typeDir);
    std::size_t named = 0;
    for (const Item& i : items) named += i.name[0] != '#';
    r.Put16(typeDir + 12, static_cast<std::uint32_t>(named));
    r.Put16(typeDir + 14, static_cast<std::uint32_t>(items.size() - named));
    std::size_t next = typeDir + 16 + 8 * items.size();
    for (std::size_t k = 0; k < items.size(); ++k) {
        const Item& item = items[k];
        const std::size_t entry = typeDir + 16 + 8 * k;
        if (item.name[0] == '#') {
            r.Put32(entry, static_cast<std::uint32_t>(std::stoul(item.name.substr(1))));
        } else {
            r.Put32(entry, 0x80000000u | static_cast<std::uint32_t>(next));
            r.Put16(next, static_cast<std::uint32_t>(item.name.size()));
            for (std::size_t c = 0; c < item.name.size(); ++c) r.Put16(next + 2 + 2 * c, std::uint8_t(item.name[c]));
            next += 2 + 2 * item.name.size() + 2;
        }
        const std::size_t languages = next, dataEntry = next + 24;
        r.Put32(entry + 4, 0x80000000u | static_cast<std::uint32_t>(languages));
        r.Put16(languages + 14, 1);
        r.Put32(languages + 16, 0x409);
        r.Put32(languages + 20, static_cast<std::uint32_t>(dataEntry));
        const std::size_t data = dataEntry + 16;
        r.Put32(dataEntry, static_cast<std::uint32_t>(SectionRva + data));
        r.Put32(dataEntry + 4, static_cast<std::uint32_t>(item.data.size()));
        r.Grow(data + item.data.size());
        std::memcpy(r.bytes.data() + data, item.data.data(), item.data.size());
        next = (data + item.data.size() + 3) & ~std::size_t(3);
    }
    r.Grow(next);

    Image pe;
    pe.bytes = {'M', 'Z'};
    pe.Put32(0x3C, 0x40);
    pe.Put32(0x40, 0x00004550);           // "PE\0\0"
    pe.Put16(0x44, 0x8664);
    pe.Put16(0x46, 1);                    // sections
    pe.Put16(0x54, 240);                  // optional header size
    pe.Put16(OptionalHeader, 0x20B);
    pe.Put32(OptionalHeader + 108, 16);   // data directories
    pe.Put32(OptionalHeader + 112 + 16, SectionRva);
    pe.Put32(OptionalHeader + 112 + 20, static_cast<std::uint32_t>(r.bytes.size()));
    const std::size_t section = OptionalHeader + 240;
    std::memcpy(pe.bytes.data() + 0, "MZ", 2);
    pe.Grow(section + 40);
    std::memcpy(pe.bytes.data() + section, ".rsrc", 5);
    pe.Put32(section + 8, static_cast<std::uint32_t>(r.bytes.size()));
    pe.Put32(section + 12, SectionRva);
    pe.Put32(section + 16, static_cast<std::uint32_t>(r.bytes.size()));
    pe.Put32(section + 20, SectionFileOffset);
    pe.Grow(SectionFileOffset);
    pe.bytes.insert(pe.bytes.end(), r.bytes.begin(), r.bytes.end());
    return pe.bytes;
}

}  // namespace bvt::test
