// The portable reader of a program's RCDATA resources, on hand-made images:
// the resources it must find, and damaged images it must refuse without
// reading outside the bytes.
#include <gtest/gtest.h>

#include <cstring>

#include "ComponentStreaming.h"
#include "PeImageBuilder.h"
#include "PeResources.h"

namespace bvt {
namespace {

using test::Item;
using test::MakePe;
using test::OptionalHeader;
using test::SectionFileOffset;

const std::vector<Item> Items = {{"FORM1", {1, 2, 3}}, {"F_SPLASH", {}}, {"#7", {9, 8, 7, 6, 5}}};

TEST(PeResources, FindsNamedAndNumberedRcDataWithTheirBytes) {
    const std::vector<std::uint8_t> pe = MakePe(Items);
    EXPECT_TRUE(LooksLikePeFile(pe.data(), pe.size()));
    const std::vector<PeResource> found = FindRcDataResources(pe.data(), pe.size());
    ASSERT_EQ(found.size(), Items.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].name, Items[i].name);
        ASSERT_LE(found[i].offset + found[i].size, pe.size());
        EXPECT_EQ(std::vector<std::uint8_t>(pe.begin() + found[i].offset, pe.begin() + found[i].offset + found[i].size),
                  Items[i].data);
    }
}

std::string Outcome(const std::vector<std::uint8_t>& bytes) {
    try {
        return std::to_string(FindRcDataResources(bytes.data(), bytes.size()).size()) + " found";
    } catch (const EDescriptionError& e) {
        return e.Message();
    }
}

TEST(PeResources, TruncatedAtEveryOffsetIsRefused) {
    const std::vector<std::uint8_t> pe = MakePe(Items);
    for (std::size_t size = 0; size < pe.size(); ++size) {
        const std::string outcome = Outcome(std::vector<std::uint8_t>(pe.begin(), pe.begin() + size));
        EXPECT_TRUE(outcome == "Not a Windows program" || outcome.rfind("Damaged Windows program (", 0) == 0)
            << "size " << size << ": " << outcome;
    }
}

struct Corruption {
    const char* name;
    std::size_t offset;  // of a 32-bit field
    std::uint32_t value;
    const char* outcome;
};

TEST(PeResources, DamagedFieldsAreRefused) {
    const std::size_t rsrc = SectionFileOffset, typeDir = rsrc + 32;  // the tree as MakePe lays it out
    const std::vector<Corruption> cases = {
        {"header offset past the end", 0x3C, 0xFFFFFFF0u, "Not a Windows program"},
        {"not PE", 0x40, 0x00004551, "Not a Windows program"},
        {"optional header magic", OptionalHeader, 0x30B, "Damaged Windows program (optional header)"},
        {"section count huge", 0x44, 0xFFFF8664u, "Damaged Windows program (section table)"},
        {"resource outside every section", OptionalHeader + 128, 0x9000, "Damaged Windows program (resource directory)"},
        {"resource size huge", OptionalHeader + 132, 0x7FFFFFFF, "Damaged Windows program (resource directory)"},
        {"type entries beyond the tree", rsrc + 12, 0x7FFF0000, "Damaged Windows program (resource directory)"},
        {"type target outside the tree", rsrc + 28, 0x8000FFFFu, "Damaged Windows program (resource directory)"},
        {"type target is data", rsrc + 28, 0x20, "Damaged Windows program (resource directory)"},
        {"name string outside the tree", typeDir + 16, 0x8000FFF0u, "Damaged Windows program (resource directory)"},
        {"raw data past the file", OptionalHeader + 240 + 20, 0x10000, "Damaged Windows program (resource directory)"},
        {"no resource directory", OptionalHeader + 128, 0, "0 found"},
    };
    for (const Corruption& c : cases) {
        std::vector<std::uint8_t> pe = MakePe(Items);
        for (int i = 0; i < 4; ++i) pe[c.offset + i] = std::uint8_t(c.value >> (8 * i));
        EXPECT_EQ(Outcome(pe), c.outcome) << c.name;
    }
}

TEST(PeResources, DataOutsideTheFileIsRefused) {
    std::vector<std::uint8_t> pe = MakePe({{"A", {1, 2, 3, 4}}});
    const std::vector<PeResource> found = FindRcDataResources(pe.data(), pe.size());
    ASSERT_EQ(found.size(), 1u);
    const std::size_t sizeField = found[0].offset - 16 + 4;  // the data entry sits right before the data
    pe[sizeField] = 0xFF;
    pe[sizeField + 1] = 0xFF;
    EXPECT_EQ(Outcome(pe), "Damaged Windows program (resource data)");
}

}  // namespace
}  // namespace bvt
