// The class registry: every class that can appear in a window description is
// registered here with its name, a factory and its published properties, so
// that the description reader can create components by class name and set
// their properties by property name, in the order the description lists them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

namespace bvt {

class TComponent;

enum class PropKind { Integer, String, Boolean, Enum, Set };

// A property value as it travels through a description. Enum values are an
// identifier (ident); set values are a list of identifiers (names).
struct PropValue {
    PropKind kind = PropKind::Integer;
    std::int64_t integer = 0;
    bool boolean = false;
    std::string text;                 // String, and the identifier of an Enum
    std::vector<std::string> names;   // Set

    static PropValue Integer(std::int64_t v) { PropValue p; p.kind = PropKind::Integer; p.integer = v; return p; }
    static PropValue String(std::string v) { PropValue p; p.kind = PropKind::String; p.text = std::move(v); return p; }
    static PropValue Boolean(bool v) { PropValue p; p.kind = PropKind::Boolean; p.boolean = v; return p; }
    static PropValue Enum(std::string v) { PropValue p; p.kind = PropKind::Enum; p.text = std::move(v); return p; }
    static PropValue Set(std::vector<std::string> v) { PropValue p; p.kind = PropKind::Set; p.names = std::move(v); return p; }
};

struct PropInfo {
    std::string name;             // may be dotted, e.g. "Font.Name"
    PropKind kind;
    std::vector<std::string> identifiers;  // Enum and Set: the names, by ordinal
    std::function<PropValue(TComponent&)> get;
    std::function<void(TComponent&, const PropValue&)> set;   // throws on a bad value
    std::function<bool(TComponent&)> stored;  // empty: always written
};

struct ClassInfo {
    std::string name;
    const ClassInfo* parent = nullptr;
    std::type_index type = typeid(void);
    std::function<TComponent*(TComponent* owner)> create;
    std::vector<PropInfo> properties;

    // Looks in this class, then its ancestors (case-insensitive names).
    const PropInfo* FindProperty(const std::string& propertyName) const;
    // All properties, ancestors' first, in registration order.
    std::vector<const PropInfo*> AllProperties() const;
};

class ClassRegistry {
public:
    static ClassRegistry& Instance();
    // Registering the same name twice keeps the first registration.
    ClassInfo& Register(ClassInfo info);
    const ClassInfo* Find(const std::string& className) const;
    const ClassInfo* FindByType(std::type_index type) const;
    // The registered class of an object (its most derived registered type).
    const ClassInfo* ClassOf(const TComponent& component) const;

private:
    // Owned here; entries never move, so references to them stay valid.
    std::vector<std::unique_ptr<ClassInfo>> classes_;
};

// Fluent registration of a class T derived from TComponent:
//   RegisterClass<TFileSource>("TFileSource", "TComponent")
//       .Boolean("Compress", [](TFileSource& c) { return c.Compress(); },
//                            [](TFileSource& c, bool v) { c.SetCompress(v); });
// Accessors are plain functions (capture-less lambdas convert to them), so
// every property of a kind shares one wrapper: the installer stays small.
template <class T>
class ClassBuilder {
public:
    using Stored = bool (*)(T&);

    explicit ClassBuilder(ClassInfo& info) : info_(info) {}

    ClassBuilder& Integer(const std::string& name, std::int64_t (*get)(T&), void (*set)(T&, std::int64_t),
                          Stored stored = nullptr) {
        return Add(name, PropKind::Integer, {},
                   [get](TComponent& c) { return PropValue::Integer(get(static_cast<T&>(c))); },
                   [set](TComponent& c, const PropValue& v) { set(static_cast<T&>(c), v.integer); }, stored);
    }
    ClassBuilder& String(const std::string& name, std::string (*get)(T&), void (*set)(T&, const std::string&),
                         Stored stored = nullptr) {
        return Add(name, PropKind::String, {},
                   [get](TComponent& c) { return PropValue::String(get(static_cast<T&>(c))); },
                   [set](TComponent& c, const PropValue& v) { set(static_cast<T&>(c), v.text); }, stored);
    }
    ClassBuilder& Boolean(const std::string& name, bool (*get)(T&), void (*set)(T&, bool), Stored stored = nullptr) {
        return Add(name, PropKind::Boolean, {},
                   [get](TComponent& c) { return PropValue::Boolean(get(static_cast<T&>(c))); },
                   [set](TComponent& c, const PropValue& v) { set(static_cast<T&>(c), v.boolean); }, stored);
    }
    // Enumerations travel as identifiers; get/set work on the ordinal.
    ClassBuilder& Enum(const std::string& name, std::vector<std::string> identifiers, int (*get)(T&),
                       void (*set)(T&, int), Stored stored = nullptr);
    // Sets travel as lists of identifiers; get/set work on a bit mask
    // (bit i = identifiers[i]).
    ClassBuilder& Set(const std::string& name, std::vector<std::string> identifiers, std::uint32_t (*get)(T&),
                      void (*set)(T&, std::uint32_t), Stored stored = nullptr);

    ClassInfo& Info() { return info_; }

private:
    ClassBuilder& Add(const std::string& name, PropKind kind, std::vector<std::string> identifiers,
                      std::function<PropValue(TComponent&)> get, std::function<void(TComponent&, const PropValue&)> set,
                      Stored stored) {
        PropInfo p{name, kind, std::move(identifiers), std::move(get), std::move(set), {}};
        if (stored) p.stored = [stored](TComponent& c) { return stored(static_cast<T&>(c)); };
        info_.properties.push_back(std::move(p));
        return *this;
    }
    ClassInfo& info_;
};

// Ordinal of an identifier in a list (case-insensitive); throws EPropertyError
// naming the property when it is not there.
int IdentifierOrdinal(const std::string& property, const std::vector<std::string>& identifiers, const std::string& ident);

template <class T>
ClassBuilder<T>& ClassBuilder<T>::Enum(const std::string& name, std::vector<std::string> identifiers,
                                       int (*get)(T&), void (*set)(T&, int), Stored stored) {
    auto ids = identifiers;
    return Add(name, PropKind::Enum, identifiers,
               [get, ids](TComponent& c) {
                   const int ordinal = get(static_cast<T&>(c));
                   return PropValue::Enum(ordinal >= 0 && ordinal < static_cast<int>(ids.size()) ? ids[ordinal] : std::string());
               },
               [set, ids, name](TComponent& c, const PropValue& v) { set(static_cast<T&>(c), IdentifierOrdinal(name, ids, v.text)); },
               stored);
}

template <class T>
ClassBuilder<T>& ClassBuilder<T>::Set(const std::string& name, std::vector<std::string> identifiers,
                                      std::uint32_t (*get)(T&), void (*set)(T&, std::uint32_t), Stored stored) {
    auto ids = identifiers;
    return Add(name, PropKind::Set, identifiers,
               [get, ids](TComponent& c) {
                   const std::uint32_t mask = get(static_cast<T&>(c));
                   std::vector<std::string> names;
                   for (std::size_t i = 0; i < ids.size() && i < 32; ++i)
                       if (mask & (1u << i)) names.push_back(ids[i]);
                   return PropValue::Set(std::move(names));
               },
               [set, ids, name](TComponent& c, const PropValue& v) {
                   std::uint32_t mask = 0;
                   for (const std::string& n : v.names) mask |= 1u << IdentifierOrdinal(name, ids, n);
                   set(static_cast<T&>(c), mask);
               },
               stored);
}

// Registers class T under className, inheriting the properties of the
// registered class parentName ("TComponent" is always registered).
// Registering a name again changes nothing: the first registration and its
// properties stand, and the builder's additions go to a discarded entry.
template <class T>
ClassBuilder<T> RegisterClass(const std::string& className, const std::string& parentName) {
    if (ClassRegistry::Instance().Find(className)) {
        static ClassInfo discarded;
        discarded = ClassInfo();
        return ClassBuilder<T>(discarded);
    }
    ClassInfo info;
    info.name = className;
    info.parent = ClassRegistry::Instance().Find(parentName);
    info.type = typeid(T);
    info.create = [](TComponent* owner) -> TComponent* { return new T(owner); };
    return ClassBuilder<T>(ClassRegistry::Instance().Register(std::move(info)));
}

}  // namespace bvt
