// Parser of the text form: a small hand-written lexer and a recursive
// descent over objects, bounded in depth and object count like the binary
// decoder.
#include <cctype>
#include <limits>

#include "ComponentStreaming.h"
#include "StringUtils.h"
#include "TextDescription.h"

namespace bvt {

namespace {

enum class Tok { End, Ident, Integer, String, Symbol, Hex };

struct Token {
    Tok kind = Tok::End;
    std::string text;                 // Ident, String (decoded), Symbol
    std::int64_t integer = 0;
    std::vector<std::uint8_t> bytes;  // Hex
    int line = 1;
};

[[noreturn]] void Fail(int line, const std::string& message) {
    throw EDescriptionError("Line " + std::to_string(line) + ": " + message);
}

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Lexer {
public:
    explicit Lexer(const std::string& text) : s_(text) {}

    Token Next() {
        SkipBlanks();
        Token t;
        t.line = line_;
        if (p_ >= s_.size()) return t;
        const char c = s_[p_];
        if (IsIdentStart(c)) {
            t.kind = Tok::Ident;
            while (p_ < s_.size() && IsIdentChar(s_[p_])) t.text += s_[p_++];
        } else if (IsDigit(c) || c == '$' || (c == '-' && p_ + 1 < s_.size() && (IsDigit(s_[p_ + 1]) || s_[p_ + 1] == '$'))) {
            t.kind = Tok::Integer;
            t.integer = Integer();
        } else if (c == '\'' || c == '#') {
            t.kind = Tok::String;
            t.text = StringPieces();
        } else if (c == '{') {
            t.kind = Tok::Hex;
            t.bytes = HexBlock();
        } else if (std::string("=:[],+@").find(c) != std::string::npos) {
            t.kind = Tok::Symbol;
            t.text = std::string(1, c);
            ++p_;
        } else {
            Fail(line_, std::string("unexpected character '") + (std::isprint(static_cast<unsigned char>(c)) ? std::string(1, c) : "?") + "'");
        }
        return t;
    }

private:
    void SkipBlanks() {
        while (p_ < s_.size()) {
            const char c = s_[p_];
            if (c == '\n') {
                ++line_;
                ++p_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++p_;
            } else if (c == '/' && p_ + 1 < s_.size() && s_[p_ + 1] == '/') {
                while (p_ < s_.size() && s_[p_] != '\n') ++p_;
            } else {
                break;
            }
        }
    }

    // Decimal or $hex, optionally negative; the result must fit 64 bits.
    std::int64_t Integer() {
        const bool negative = s_[p_] == '-';
        if (negative) ++p_;
        const bool hex = s_[p_] == '$';
        if (hex) ++p_;
        const std::uint64_t base = hex ? 16 : 10;
        const std::uint64_t limit = negative ? std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1
                                             : std::uint64_t(std::numeric_limits<std::int64_t>::max());
        std::uint64_t value = 0;
        int digits = 0;
        while (p_ < s_.size()) {
            const int d = hex ? HexDigit(s_[p_]) : (IsDigit(s_[p_]) ? s_[p_] - '0' : -1);
            if (d < 0) break;
            if (value > (limit - std::uint64_t(d)) / base) Fail(line_, "integer out of range");
            value = value * base + std::uint64_t(d);
            ++digits;
            ++p_;
        }
        if (digits == 0) Fail(line_, "digits expected");
        if (p_ < s_.size() && IsIdentChar(s_[p_])) Fail(line_, "bad character in number");
        if (!negative) return static_cast<std::int64_t>(value);
        return value == limit ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(value);
    }

    // 'quoted' and #code pieces written next to each other form one string.
    std::string StringPieces() {
        std::string out;
        while (p_ < s_.size() && (s_[p_] == '\'' || s_[p_] == '#')) {
            if (s_[p_] == '#') {
                ++p_;
                const bool negative = p_ < s_.size() && s_[p_] == '-';
                if (p_ >= s_.size() || negative || !(IsDigit(s_[p_]) || s_[p_] == '$')) Fail(line_, "character code expected after '#'");
                const std::int64_t code = Integer();
                if (code > 255) Fail(line_, "character code " + std::to_string(code) + " out of range");
                out += static_cast<char>(code);
                continue;
            }
            ++p_;
            while (true) {
                if (p_ >= s_.size() || s_[p_] == '\n' || s_[p_] == '\r') Fail(line_, "unterminated string");
                if (s_[p_] == '\'') {
                    if (p_ + 1 < s_.size() && s_[p_ + 1] == '\'') {
                        out += '\'';
                        p_ += 2;
                        continue;
                    }
                    ++p_;
                    break;
                }
                out += s_[p_++];
            }
        }
        return out;
    }

    std::vector<std::uint8_t> HexBlock() {
        const int startLine = line_;
        ++p_;
        std::vector<std::uint8_t> bytes;
        int high = -1;
        while (true) {
            if (p_ >= s_.size()) Fail(startLine, "unterminated raw data ('}' expected)");
            const char c = s_[p_++];
            if (c == '}') break;
            if (c == '\n') ++line_;
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
            const int d = HexDigit(c);
            if (d < 0) Fail(line_, "hex digit expected in raw data");
            if (high < 0) {
                high = d;
            } else {
                bytes.push_back(static_cast<std::uint8_t>(high << 4 | d));
                high = -1;
            }
        }
        if (high >= 0) Fail(line_, "odd number of hex digits in raw data");
        return bytes;
    }

    const std::string& s_;
    std::size_t p_ = 0;
    int line_ = 1;
};

class Parser {
public:
    Parser(const std::string& text, const RawFileLoader& loadFile) : lexer_(text), loadFile_(loadFile) { Advance(); }

    DescObject File() {
        if (!IsKeyword("object")) Fail(tok_.line, "'object' expected");
        DescObject root = Object(1);
        if (tok_.kind != Tok::End) Fail(tok_.line, "text after the final 'end'");
        return root;
    }

private:
    void Advance() { tok_ = lexer_.Next(); }
    bool IsKeyword(const char* word) const { return tok_.kind == Tok::Ident && SameText(tok_.text, word); }
    bool IsSymbol(char c) const { return tok_.kind == Tok::Symbol && tok_.text[0] == c; }
    void Expect(char c) {
        if (!IsSymbol(c)) Fail(tok_.line, std::string("'") + c + "' expected");
        Advance();
    }
    std::string Identifier(const char* what) {
        if (tok_.kind != Tok::Ident || !IsIdentifier(tok_.text)) Fail(tok_.line, std::string(what) + " expected");
        std::string s = tok_.text;
        Advance();
        return s;
    }

    // Current token: the keyword 'object'.
    DescObject Object(int depth) {
        if (depth > MaxDescriptionDepth) Fail(tok_.line, "objects nested too deep");
        if (++objects_ > MaxDescriptionObjects) Fail(tok_.line, "too many objects");
        DescObject obj;
        obj.line = tok_.line;
        Advance();
        std::string first = Identifier("component name");
        if (IsSymbol(':')) {
            Advance();
            obj.name = std::move(first);
            obj.className = Identifier("class name");
        } else {
            obj.className = std::move(first);
        }
        while (!IsKeyword("object") && !IsKeyword("end")) {
            if (tok_.kind != Tok::Ident) Fail(tok_.line, tok_.kind == Tok::End ? "'end' expected" : "property name expected");
            obj.properties.push_back(Property());
        }
        while (IsKeyword("object")) obj.children.push_back(Object(depth + 1));
        if (tok_.kind == Tok::Ident && !IsKeyword("end")) Fail(tok_.line, "properties must come before child objects");
        if (!IsKeyword("end")) Fail(tok_.line, tok_.kind == Tok::End ? "'end' expected" : "'end' or 'object' expected");
        Advance();
        return obj;
    }

    DescProperty Property() {
        DescProperty prop;
        prop.line = tok_.line;
        prop.name = tok_.text;
        if (!IsPropertyName(prop.name)) Fail(tok_.line, "bad property name '" + prop.name + "'");
        Advance();
        Expect('=');
        prop.value = Value();
        return prop;
    }

    DescValue Value() {
        const int line = tok_.line;
        switch (tok_.kind) {
            case Tok::Integer: {
                const std::int64_t v = tok_.integer;
                Advance();
                return DescValue::OfInteger(v);
            }
            case Tok::String: return DescValue::OfString(JoinedString());
            case Tok::Hex: {
                DescValue v = DescValue::OfBinary(std::move(tok_.bytes));
                Advance();
                return v;
            }
            case Tok::Ident: {
                if (IsKeyword("end") || IsKeyword("object")) break;
                const std::string ident = Identifier("value");
                if (SameText(ident, "True")) return DescValue::OfBoolean(true);
                if (SameText(ident, "False")) return DescValue::OfBoolean(false);
                return DescValue::OfIdentifier(ident);
            }
            case Tok::Symbol:
                if (IsSymbol('[')) return SetValue();
                if (IsSymbol('@')) return FileValue();
                break;
            case Tok::End: break;
        }
        Fail(line, "value expected");
    }

    std::string JoinedString() {
        std::string s = tok_.text;
        Advance();
        while (IsSymbol('+')) {
            Advance();
            if (tok_.kind != Tok::String) Fail(tok_.line, "string expected after '+'");
            s += tok_.text;
            Advance();
        }
        return s;
    }

    DescValue SetValue() {
        Advance();
        std::vector<std::string> names;
        if (!IsSymbol(']')) {
            names.push_back(Identifier("identifier"));
            while (IsSymbol(',')) {
                Advance();
                names.push_back(Identifier("identifier"));
            }
        }
        Expect(']');
        return DescValue::OfSet(std::move(names));
    }

    DescValue FileValue() {
        const int line = tok_.line;
        Advance();
        if (tok_.kind != Tok::String) Fail(tok_.line, "file name in quotes expected after '@'");
        const std::string fileName = JoinedString();
        if (!loadFile_) Fail(line, "raw data from files is not available here");
        try {
            return DescValue::OfBinary(loadFile_(fileName));
        } catch (const Exception& e) {
            Fail(line, e.Message());
        }
    }

    Lexer lexer_;
    const RawFileLoader& loadFile_;
    Token tok_;
    std::size_t objects_ = 0;
};

}  // namespace

DescObject ParseDescriptionText(const std::string& text, const RawFileLoader& loadFile) {
    return Parser(text, loadFile).File();
}

}  // namespace bvt
