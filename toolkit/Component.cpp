#include "toolkit/Component.h"

#include <algorithm>

#include "platform/Exceptions.h"
#include "toolkit/FormDescription.h"

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->InsertComponent(this);
}

TComponent::~TComponent() {
    // Free owned components last-first; each removes itself from the list.
    while (!components_.empty()) delete components_.back();
    if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* c : components_)
        if (c->name_ == name) return c;
    return nullptr;
}

bool TComponent::SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder&) {
    if (name == "Name") {
        name_ = value.AsString();
        return true;
    }
    return false;
}

void TComponent::InsertComponent(TComponent* c) { components_.push_back(c); }

void TComponent::RemoveComponent(TComponent* c) {
    auto it = std::find(components_.begin(), components_.end(), c);
    if (it != components_.end()) components_.erase(it);
}
