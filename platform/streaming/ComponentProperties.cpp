#include "ComponentProperties.h"

#include <memory>

#include "ComponentStreaming.h"
#include "StringUtils.h"
#include "Streams.h"

namespace bvt {

namespace {

// Collects the raw-data properties a component defines.
class DefinitionList : public TFiler {
public:
    struct Definition {
        std::string name;
        RawReader reader;
        RawWriter writer;
        bool hasData;
    };

    explicit DefinitionList(TComponent& component) { component.DefineProperties(*this); }

    void DefineBinaryProperty(const std::string& name, RawReader reader, RawWriter writer, bool hasData) override {
        definitions.push_back({name, std::move(reader), std::move(writer), hasData});
    }

    const Definition* Find(const std::string& name) const {
        for (const Definition& d : definitions)
            if (SameText(d.name, name)) return &d;
        return nullptr;
    }

    std::vector<Definition> definitions;
};

ValueType ExpectedType(PropKind kind) {
    switch (kind) {
        case PropKind::Integer: return ValueType::Integer;
        case PropKind::String: return ValueType::String;
        case PropKind::Boolean: return ValueType::Boolean;
        case PropKind::Enum: return ValueType::Identifier;
        case PropKind::Set: return ValueType::Set;
    }
    return ValueType::Integer;
}

[[noreturn]] void Fail(const DescProperty& prop, const std::string& path, const std::string& message) {
    const std::string where = prop.line > 0 ? "Line " + std::to_string(prop.line) + ": " : "";
    throw EDescriptionError(where + path + ": " + message);
}

bool IsKnownIdentifier(const PropInfo& info, const std::string& ident) {
    for (const std::string& known : info.identifiers)
        if (SameText(known, ident)) return true;
    return false;
}

PropValue ToPropValue(const PropInfo& info, const DescProperty& prop, const std::string& path) {
    const DescValue& v = prop.value;
    if (v.type != ExpectedType(info.kind))
        Fail(prop, path, "property '" + prop.name + "' needs " + ValueTypeText(ExpectedType(info.kind)) + ", not " +
                             ValueTypeText(v.type));
    switch (info.kind) {
        case PropKind::Integer: return PropValue::Integer(v.integer);
        case PropKind::String: return PropValue::String(v.text);
        case PropKind::Boolean: return PropValue::Boolean(v.boolean);
        case PropKind::Enum:
            if (!IsKnownIdentifier(info, v.text)) Fail(prop, path, "invalid value '" + v.text + "' for property '" + prop.name + "'");
            return PropValue::Enum(v.text);
        case PropKind::Set:
            for (const std::string& n : v.names)
                if (!IsKnownIdentifier(info, n)) Fail(prop, path, "invalid value '" + n + "' for property '" + prop.name + "'");
            return PropValue::Set(v.names);
    }
    return {};
}

DescValue ToDescValue(const PropValue& v) {
    switch (v.kind) {
        case PropKind::Integer: return DescValue::OfInteger(v.integer);
        case PropKind::String: return DescValue::OfString(v.text);
        case PropKind::Boolean: return DescValue::OfBoolean(v.boolean);
        case PropKind::Enum: return DescValue::OfIdentifier(v.text);
        case PropKind::Set: return DescValue::OfSet(v.names);
    }
    return {};
}

}  // namespace

void ApplyProperties(TComponent& component, const ClassInfo& info, const DescObject& object, const std::string& path) {
    std::unique_ptr<DefinitionList> defined;  // asked for only when needed
    for (const DescProperty& prop : object.properties) {
        if (const PropInfo* published = info.FindProperty(prop.name)) {
            if (!published->set) Fail(prop, path, "property '" + prop.name + "' is read-only");
            published->set(component, ToPropValue(*published, prop, path));
            continue;
        }
        if (!defined) defined = std::make_unique<DefinitionList>(component);
        const DefinitionList::Definition* raw = defined->Find(prop.name);
        if (!raw || !raw->reader) Fail(prop, path, "unknown property '" + prop.name + "'");
        if (prop.value.type != ValueType::Binary)
            Fail(prop, path, "property '" + prop.name + "' needs raw data, not " + ValueTypeText(prop.value.type));
        TReadOnlyMemoryStream bytes(prop.value.bytes.data(), prop.value.bytes.size());
        raw->reader(bytes);
    }
}

DescObject ComponentToObject(TComponent& component) {
    const ClassInfo* info = ClassRegistry::Instance().ClassOf(component);
    if (!info) throw EDescriptionError("Cannot write " + component.Name() + ": its class is not registered");
    DescObject object;
    object.className = info->name;
    object.name = component.Name();
    for (const PropInfo* prop : info->AllProperties()) {
        if (!prop->get || (prop->stored && !prop->stored(component))) continue;
        object.properties.push_back({prop->name, ToDescValue(prop->get(component)), 0});
    }
    DefinitionList defined(component);
    for (const DefinitionList::Definition& raw : defined.definitions) {
        if (!raw.hasData || !raw.writer) continue;
        TMemoryStream bytes;
        raw.writer(bytes);
        object.properties.push_back({raw.name, DescValue::OfBinary(std::move(bytes.Bytes())), 0});
    }
    return object;
}

}  // namespace bvt
