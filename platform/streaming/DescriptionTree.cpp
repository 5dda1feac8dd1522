#include "DescriptionTree.h"

namespace bvt {

namespace {
bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
}  // namespace

bool IsIdentifier(const std::string& s) {
    if (s.empty() || s.size() > MaxIdentifierLength || !IsIdentStart(s[0])) return false;
    for (char c : s)
        if (!IsIdentChar(c)) return false;
    return true;
}

bool IsPropertyName(const std::string& s) {
    if (s.empty() || s.size() > MaxIdentifierLength) return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = s.find('.', start);
        if (!IsIdentifier(s.substr(start, dot == std::string::npos ? std::string::npos : dot - start))) return false;
        if (dot == std::string::npos) return true;
        start = dot + 1;
    }
}

const char* ValueTypeText(ValueType type) {
    switch (type) {
        case ValueType::Integer: return "an integer";
        case ValueType::String: return "a string";
        case ValueType::Boolean: return "a boolean";
        case ValueType::Identifier: return "an identifier";
        case ValueType::Set: return "a set";
        case ValueType::Binary: return "raw data";
    }
    return "an unknown value";
}

}  // namespace bvt
