// Reading a binary description into components, in two phases: the whole
// description is decoded and validated first, then instantiated. Every
// component created by a failed read is destroyed again.
#include <memory>

#include "BinaryDescription.h"
#include "ComponentProperties.h"
#include "ComponentStreaming.h"
#include "StringUtils.h"

namespace bvt {

namespace {

std::string DisplayName(const DescObject& object) { return object.name.empty() ? object.className : object.name; }

class Instantiator {
public:
    Instantiator(TComponent& root, const DescObject& rootObject) : root_(root), rootPath_(DisplayName(rootObject)) {}

    void Run(const ClassInfo& rootInfo, const DescObject& rootObject) {
        try {
            root_.SetName(rootObject.name);
            ApplyProperties(root_, rootInfo, rootObject, rootPath_);
            CreateChildren(root_, rootObject);
            for (TComponent* c : created_) c->Loaded();
            root_.Loaded();
        } catch (...) {
            // Newest first, the order in which an owner destroys its components.
            for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
            throw;
        }
    }

private:
    void CreateChildren(TComponent& parent, const DescObject& parentObject) {
        for (const DescObject& object : parentObject.children) {
            const std::string path = rootPath_ + "." + DisplayName(object);
            const ClassInfo* info = ClassRegistry::Instance().Find(object.className);
            if (!info) throw EDescriptionError(path + ": unknown class '" + object.className + "'");
            if (!object.name.empty() && root_.FindComponent(object.name))
                throw EDescriptionError(path + ": a component named '" + object.name + "' already exists");
            TComponent* component = info->create(&root_);
            created_.push_back(component);
            component->SetParentComponent(&parent);
            component->SetName(object.name);
            ApplyProperties(*component, *info, object, path);
            CreateChildren(*component, object);
        }
    }

    TComponent& root_;
    std::string rootPath_;
    std::vector<TComponent*> created_;
};

bool IsClassOrAncestor(const ClassInfo* info, const std::string& className) {
    for (; info; info = info->parent)
        if (SameText(info->name, className)) return true;
    return false;
}

}  // namespace

void ReadRootComponent(TComponent& root, const void* data, std::size_t size) {
    const DescObject rootObject = DecodeDescription(data, size);
    const ClassInfo* info = ClassRegistry::Instance().ClassOf(root);
    if (!info) throw EDescriptionError(DisplayName(rootObject) + ": the class of the component to read into is not registered");
    if (!IsClassOrAncestor(info, rootObject.className))
        throw EDescriptionError(DisplayName(rootObject) + ": a " + rootObject.className + " description cannot be read into a " +
                                info->name);
    Instantiator(root, rootObject).Run(*info, rootObject);
}

std::unique_ptr<TComponent> ReadComponent(const void* data, std::size_t size, TComponent* owner) {
    const DescObject rootObject = DecodeDescription(data, size);
    const ClassInfo* info = ClassRegistry::Instance().Find(rootObject.className);
    if (!info) throw EDescriptionError(DisplayName(rootObject) + ": unknown class '" + rootObject.className + "'");
    std::unique_ptr<TComponent> root(info->create(owner));
    Instantiator(*root, rootObject).Run(*info, rootObject);
    return root;
}

}  // namespace bvt
