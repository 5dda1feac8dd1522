// Writer of the text form. Its output parses back to the same tree (with
// raw data as hex).
#include "TextDescription.h"

namespace bvt {

namespace {

constexpr std::size_t HexBytesPerLine = 32;

// Printable characters go inside quotes (a quote doubled); control
// characters become #codes, so line breaks survive as #13#10.
std::string QuoteString(const std::string& s) {
    if (s.empty()) return "''";
    std::string out;
    bool quoted = false;
    for (char ch : s) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 32 || c == 127) {
            if (quoted) out += '\'';
            quoted = false;
            out += '#' + std::to_string(c);
        } else {
            if (!quoted) out += '\'';
            quoted = true;
            out += ch;
            if (ch == '\'') out += '\'';
        }
    }
    if (quoted) out += '\'';
    return out;
}

std::string HexLines(const std::vector<std::uint8_t>& bytes, const std::string& indent) {
    static const char digits[] = "0123456789ABCDEF";
    if (bytes.empty()) return "{}";
    std::string out = "{";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % HexBytesPerLine == 0) out += "\n" + indent;
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
    }
    return out + "}";
}

std::string FormatValue(const DescValue& v, RawDataStyle style, const std::string& indent) {
    switch (v.type) {
        case ValueType::Integer: return std::to_string(v.integer);
        case ValueType::String: return QuoteString(v.text);
        case ValueType::Boolean: return v.boolean ? "True" : "False";
        case ValueType::Identifier: return v.text;
        case ValueType::Set: {
            std::string out = "[";
            for (std::size_t i = 0; i < v.names.size(); ++i) out += (i ? ", " : "") + v.names[i];
            return out + "]";
        }
        case ValueType::Binary:
            if (style == RawDataStyle::Size) return "<" + std::to_string(v.bytes.size()) + " bytes>";
            return HexLines(v.bytes, indent + "  ");
    }
    return {};
}

void FormatObject(const DescObject& obj, RawDataStyle style, const std::string& indent, std::string& out) {
    out += indent + "object " + (obj.name.empty() ? obj.className : obj.name + ": " + obj.className) + "\n";
    const std::string inner = indent + "  ";
    for (const DescProperty& prop : obj.properties)
        out += inner + prop.name + " = " + FormatValue(prop.value, style, inner) + "\n";
    for (const DescObject& child : obj.children) FormatObject(child, style, inner, out);
    out += indent + "end\n";
}

}  // namespace

std::string FormatDescriptionText(const DescObject& root, RawDataStyle style) {
    std::string out;
    FormatObject(root, style, "", out);
    return out;
}

}  // namespace bvt
