// Components: named objects in an ownership tree. An owner frees what it owns,
// in reverse order of insertion; a component freed on its own first leaves its
// owner's list.
#pragma once

#include <string>
#include <vector>

class PropertyValue;
class DescriptionBinder;

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    TComponent* Owner() const { return owner_; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Component(int i) const { return components_.at(static_cast<std::size_t>(i)); }
    // The owned component of that name (exact match), or null.
    TComponent* FindComponent(const std::string& name) const;

    // True while the component's window description is being read: no events.
    bool Loading() const { return loading_; }
    virtual void BeginLoading() { loading_ = true; }
    // Called once every property of the description is set.
    virtual void Loaded() { loading_ = false; }

    // Sets one property from a window description. Returns false when the
    // class has no property of that name; throws EReadError for a bad value
    // or handler. Derived classes handle their own names and defer to the base.
    virtual bool SetProperty(const std::string& name, const PropertyValue& value, DescriptionBinder& binder);
    // Called for a component nested in another in a window description.
    // Controls take a windowed parent as their Parent; a non-visual
    // component (timer, dialog) has none and ignores it.
    virtual void SetParentComponent(TComponent*) {}

protected:
    // Owned components are inserted at construction and removed at destruction.
    void InsertComponent(TComponent* c);
    void RemoveComponent(TComponent* c);

private:
    std::string name_;
    TComponent* owner_;
    std::vector<TComponent*> components_;
    bool loading_ = false;
};
