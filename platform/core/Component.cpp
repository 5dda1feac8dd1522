#include "Component.h"

#include <algorithm>

#include "StringUtils.h"

namespace bvt {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->InsertComponent(this);
}

TComponent::~TComponent() {
    // Owned components go first, the most recently added first; each one
    // unlinks itself from this list as it is destroyed.
    while (!components_.empty()) delete components_.back();
    if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::DefineProperties(TFiler&) {}
void TComponent::SetParentComponent(TComponent*) {}
void TComponent::Loaded() {}

void TComponent::InsertComponent(TComponent* child) { components_.push_back(child); }

void TComponent::RemoveComponent(TComponent* child) {
    components_.erase(std::remove(components_.begin(), components_.end(), child), components_.end());
}

}  // namespace bvt
