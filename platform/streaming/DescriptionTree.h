// The parsed form of a window description: a tree of objects, each with its
// class name, Name, properties in description order and child objects. Both
// the binary and the text form are converted to and from this tree, and the
// component reader instantiates it only after it was validated as a whole.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bvt {

// Value kinds; the numbers are the type tags of the binary form.
enum class ValueType : std::uint8_t {
    Integer = 1,     // signed 64-bit
    String = 2,      // 8-bit characters
    Boolean = 3,
    Identifier = 4,  // an enumeration value
    Set = 5,         // a list of identifiers
    Binary = 6,      // raw data
};

struct DescValue {
    ValueType type = ValueType::Integer;
    std::int64_t integer = 0;
    bool boolean = false;
    std::string text;                // String, Identifier
    std::vector<std::string> names;  // Set
    std::vector<std::uint8_t> bytes; // Binary

    static DescValue OfInteger(std::int64_t v) { DescValue d; d.type = ValueType::Integer; d.integer = v; return d; }
    static DescValue OfString(std::string v) { DescValue d; d.type = ValueType::String; d.text = std::move(v); return d; }
    static DescValue OfBoolean(bool v) { DescValue d; d.type = ValueType::Boolean; d.boolean = v; return d; }
    static DescValue OfIdentifier(std::string v) { DescValue d; d.type = ValueType::Identifier; d.text = std::move(v); return d; }
    static DescValue OfSet(std::vector<std::string> v) { DescValue d; d.type = ValueType::Set; d.names = std::move(v); return d; }
    static DescValue OfBinary(std::vector<std::uint8_t> v) { DescValue d; d.type = ValueType::Binary; d.bytes = std::move(v); return d; }

    bool operator==(const DescValue& o) const {
        return type == o.type && integer == o.integer && boolean == o.boolean && text == o.text && names == o.names &&
               bytes == o.bytes;
    }
};

struct DescProperty {
    std::string name;  // may be dotted ("Font.Name")
    DescValue value;
    int line = 0;      // line in the text form, 0 when read from binary

    bool operator==(const DescProperty& o) const { return name == o.name && value == o.value; }
};

struct DescObject {
    std::string className;
    std::string name;
    std::vector<DescProperty> properties;
    std::vector<DescObject> children;
    int line = 0;

    bool operator==(const DescObject& o) const {
        return className == o.className && name == o.name && properties == o.properties && children == o.children;
    }
};

// Limits every reader enforces, whatever the form.
constexpr int MaxDescriptionDepth = 32;         // root = depth 1
constexpr std::size_t MaxDescriptionObjects = 4096;
constexpr std::size_t MaxIdentifierLength = 255;

// Class names, component names and identifiers: a letter or '_', then
// letters, digits or '_'. Property names: such identifiers joined by dots.
bool IsIdentifier(const std::string& s);
bool IsPropertyName(const std::string& s);

// Readable type name for messages ("an integer", "raw data", ...).
const char* ValueTypeText(ValueType type);

}  // namespace bvt
