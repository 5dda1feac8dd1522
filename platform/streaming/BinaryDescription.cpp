#include "BinaryDescription.h"

#include <cstring>

#include "ComponentStreaming.h"
#include "Crc32.h"

namespace bvt {

namespace {

[[noreturn]] void Damaged(const char* reason) {
    throw EDescriptionError(std::string("Window description is damaged (") + reason + ")");
}

std::uint32_t LoadU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

// Reads from [pos, end); every read is checked against end first.
class PayloadReader {
public:
    PayloadReader(const std::uint8_t* begin, const std::uint8_t* end) : pos_(begin), end_(end) {}

    bool AtEnd() const { return pos_ == end_; }

    const std::uint8_t* Take(std::size_t count) {
        if (count > static_cast<std::size_t>(end_ - pos_)) Damaged("unexpected end of data");
        const std::uint8_t* p = pos_;
        pos_ += count;
        return p;
    }
    std::uint8_t U8() { return *Take(1); }
    std::uint16_t U16() {
        const std::uint8_t* p = Take(2);
        return static_cast<std::uint16_t>(p[0] | p[1] << 8);
    }
    std::uint32_t U32() { return LoadU32(Take(4)); }
    std::int64_t I64() {
        const std::uint8_t* p = Take(8);
        std::uint64_t v = 0;
        for (int i = 7; i >= 0; --i) v = v << 8 | p[i];
        return static_cast<std::int64_t>(v);
    }
    std::string Text(std::size_t length) {
        const std::uint8_t* p = Take(length);
        return std::string(reinterpret_cast<const char*>(p), length);
    }
    std::string Name8() { return Text(U8()); }

private:
    const std::uint8_t* pos_;
    const std::uint8_t* end_;
};

class Decoder {
public:
    explicit Decoder(PayloadReader& in) : in_(in) {}

    DescObject Object(std::uint8_t classLength, int depth) {
        if (depth > MaxDescriptionDepth) Damaged("nesting too deep");
        if (++objects_ > MaxDescriptionObjects) Damaged("too many objects");
        DescObject obj;
        obj.className = in_.Text(classLength);
        if (!IsIdentifier(obj.className)) Damaged("bad class name");
        obj.name = in_.Name8();
        if (!obj.name.empty() && !IsIdentifier(obj.name)) Damaged("bad component name");
        for (std::uint8_t length = in_.U8(); length != 0; length = in_.U8()) {
            DescProperty prop;
            prop.name = in_.Text(length);
            if (!IsPropertyName(prop.name)) Damaged("bad property name");
            prop.value = Value();
            obj.properties.push_back(std::move(prop));
        }
        for (std::uint8_t length = in_.U8(); length != 0; length = in_.U8())
            obj.children.push_back(Object(length, depth + 1));
        return obj;
    }

private:
    std::string Identifier() {
        std::string ident = in_.Name8();
        if (!IsIdentifier(ident)) Damaged("bad identifier");
        return ident;
    }

    DescValue Value() {
        switch (in_.U8()) {
            case static_cast<std::uint8_t>(ValueType::Integer): return DescValue::OfInteger(in_.I64());
            case static_cast<std::uint8_t>(ValueType::String): return DescValue::OfString(in_.Text(in_.U32()));
            case static_cast<std::uint8_t>(ValueType::Boolean): {
                const std::uint8_t b = in_.U8();
                if (b > 1) Damaged("bad boolean");
                return DescValue::OfBoolean(b == 1);
            }
            case static_cast<std::uint8_t>(ValueType::Identifier): return DescValue::OfIdentifier(Identifier());
            case static_cast<std::uint8_t>(ValueType::Set): {
                std::vector<std::string> names;
                for (std::uint16_t count = in_.U16(); count > 0; --count) names.push_back(Identifier());
                return DescValue::OfSet(std::move(names));
            }
            case static_cast<std::uint8_t>(ValueType::Binary): {
                const std::uint32_t length = in_.U32();
                const std::uint8_t* p = in_.Take(length);
                return DescValue::OfBinary(std::vector<std::uint8_t>(p, p + length));
            }
            default: Damaged("bad value type");
        }
    }

    PayloadReader& in_;
    std::size_t objects_ = 0;
};

class Encoder {
public:
    std::vector<std::uint8_t> out;

    void Object(const DescObject& obj) {
        if (!IsIdentifier(obj.className)) Fail("class name '" + obj.className + "' is not an identifier");
        if (!obj.name.empty() && !IsIdentifier(obj.name)) Fail("component name '" + obj.name + "' is not an identifier");
        Name8(obj.className);
        Name8(obj.name);
        for (const DescProperty& prop : obj.properties) {
            if (!IsPropertyName(prop.name)) Fail("property name '" + prop.name + "' is not valid");
            Name8(prop.name);
            Value(prop.value);
        }
        out.push_back(0);
        for (const DescObject& child : obj.children) Object(child);
        out.push_back(0);
    }

private:
    [[noreturn]] static void Fail(const std::string& what) { throw EDescriptionError("Cannot write description: " + what); }

    void U16(std::uint16_t v) { out.insert(out.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); }
    void U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
    }
    void Length32(std::size_t size) {
        if (size > 0xFFFFFFFFu) Fail("value too long");
        U32(static_cast<std::uint32_t>(size));
    }
    void Name8(const std::string& s) {
        out.push_back(static_cast<std::uint8_t>(s.size()));  // callers checked the length
        out.insert(out.end(), s.begin(), s.end());
    }
    void Identifier(const std::string& s) {
        if (!IsIdentifier(s)) Fail("'" + s + "' is not an identifier");
        Name8(s);
    }
    void Value(const DescValue& v) {
        out.push_back(static_cast<std::uint8_t>(v.type));
        switch (v.type) {
            case ValueType::Integer: {
                const std::uint64_t u = static_cast<std::uint64_t>(v.integer);
                for (int i = 0; i < 8; ++i) out.push_back(std::uint8_t(u >> (8 * i)));
                break;
            }
            case ValueType::String:
                Length32(v.text.size());
                out.insert(out.end(), v.text.begin(), v.text.end());
                break;
            case ValueType::Boolean: out.push_back(v.boolean ? 1 : 0); break;
            case ValueType::Identifier: Identifier(v.text); break;
            case ValueType::Set:
                if (v.names.size() > 0xFFFF) Fail("set too large");
                U16(static_cast<std::uint16_t>(v.names.size()));
                for (const std::string& n : v.names) Identifier(n);
                break;
            case ValueType::Binary:
                Length32(v.bytes.size());
                out.insert(out.end(), v.bytes.begin(), v.bytes.end());
                break;
        }
    }
};

}  // namespace

bool LooksLikeBinaryDescription(const void* data, std::size_t size) {
    return size >= sizeof DescriptionSignature && std::memcmp(data, DescriptionSignature, sizeof DescriptionSignature) == 0;
}

DescObject DecodeDescription(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (size < DescriptionHeaderSize) Damaged("too short");
    if (!LooksLikeBinaryDescription(bytes, size)) Damaged("bad signature");
    if (LoadU32(bytes + 4) != DescriptionVersion) Damaged("unknown version");
    const std::uint32_t length = LoadU32(bytes + 8);
    if (length != size - DescriptionHeaderSize) Damaged("wrong length");
    const std::uint8_t* payload = bytes + DescriptionHeaderSize;
    if (Crc32(0, payload, length) != LoadU32(bytes + 12)) Damaged("checksum mismatch");

    PayloadReader in(payload, payload + length);
    Decoder decoder(in);
    const std::uint8_t classLength = in.U8();
    if (classLength == 0) Damaged("no root object");
    DescObject root = decoder.Object(classLength, 1);
    if (!in.AtEnd()) Damaged("data after the root object");
    return root;
}

std::vector<std::uint8_t> EncodeDescription(const DescObject& root) {
    Encoder encoder;
    encoder.Object(root);
    const std::vector<std::uint8_t>& payload = encoder.out;
    if (payload.size() > 0xFFFFFFFFu - DescriptionHeaderSize) throw EDescriptionError("Cannot write description: too large");
    const std::uint32_t length = static_cast<std::uint32_t>(payload.size());
    const std::uint32_t crc = Crc32(0, payload.data(), payload.size());
    std::vector<std::uint8_t> out(DescriptionSignature, DescriptionSignature + 4);
    for (std::uint32_t v : {DescriptionVersion, length, crc})
        for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

}  // namespace bvt
