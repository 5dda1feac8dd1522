#include "TypeInfo.h"

#include "Component.h"
#include "Exceptions.h"
#include "StringUtils.h"

namespace bvt {

const PropInfo* ClassInfo::FindProperty(const std::string& propertyName) const {
    for (const ClassInfo* c = this; c; c = c->parent)
        for (const PropInfo& p : c->properties)
            if (SameText(p.name, propertyName)) return &p;
    return nullptr;
}

std::vector<const PropInfo*> ClassInfo::AllProperties() const {
    std::vector<const PropInfo*> result;
    if (parent) result = parent->AllProperties();
    for (const PropInfo& p : properties) result.push_back(&p);
    return result;
}

ClassRegistry& ClassRegistry::Instance() {
    static ClassRegistry registry = [] {
        ClassRegistry r;
        ClassInfo component;
        component.name = "TComponent";
        component.type = typeid(TComponent);
        component.create = [](TComponent* owner) { return new TComponent(owner); };
        r.classes_.push_back(std::make_unique<ClassInfo>(std::move(component)));
        return r;
    }();
    return registry;
}

ClassInfo& ClassRegistry::Register(ClassInfo info) {
    for (const auto& c : classes_)
        if (SameText(c->name, info.name)) return *c;
    classes_.push_back(std::make_unique<ClassInfo>(std::move(info)));
    return *classes_.back();
}

const ClassInfo* ClassRegistry::Find(const std::string& className) const {
    for (const auto& c : classes_)
        if (SameText(c->name, className)) return c.get();
    return nullptr;
}

const ClassInfo* ClassRegistry::FindByType(std::type_index type) const {
    for (const auto& c : classes_)
        if (c->type == type) return c.get();
    return nullptr;
}

const ClassInfo* ClassRegistry::ClassOf(const TComponent& component) const {
    return FindByType(typeid(component));
}

int IdentifierOrdinal(const std::string& property, const std::vector<std::string>& identifiers, const std::string& ident) {
    for (std::size_t i = 0; i < identifiers.size(); ++i)
        if (SameText(identifiers[i], ident)) return static_cast<int>(i);
    throw Exception("Invalid property value '" + ident + "' for " + property);
}

}  // namespace bvt
