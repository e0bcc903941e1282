// Builds components from a parsed window description: creates each component
// by its class name, sets its properties by name, binds its events to the
// handlers of the window by name, and nests children. Every error names the
// window, the component and the property.
#pragma once

#include <any>
#include <functional>
#include <map>
#include <string>

#include "platform/Exceptions.h"
#include "toolkit/Component.h"
#include "toolkit/FormDescription.h"

// The event handlers of one window, by name. Each entry holds a
// std::function of the event's own signature.
class HandlerTable {
public:
    template <class Sig>
    void Add(const std::string& name, std::function<Sig> handler) {
        handlers_[name] = std::move(handler);
    }
    bool Has(const std::string& name) const { return handlers_.count(name) != 0; }
    template <class Sig>
    const std::function<Sig>* Find(const std::string& name) const {
        auto it = handlers_.find(name);
        return it == handlers_.end() ? nullptr : std::any_cast<std::function<Sig>>(&it->second);
    }

private:
    std::map<std::string, std::any> handlers_;
};

// What a component's SetProperty needs beyond the value: the window's handlers.
class DescriptionBinder {
public:
    explicit DescriptionBinder(const HandlerTable& handlers) : handlers_(handlers) {}

    // The handler that the value names, of the event's signature.
    template <class Sig>
    std::function<Sig> Handler(const PropertyValue& value) const {
        const std::string& name = value.AsIdentifier();
        if (!handlers_.Has(name)) throw EReadError("unknown handler " + name);
        const std::function<Sig>* h = handlers_.Find<Sig>(name);
        if (!h) throw EReadError("handler " + name + " does not fit this event");
        return *h;
    }

private:
    const HandlerTable& handlers_;
};

// Maps class names to factories that make a component for an owner.
class ComponentRegistry {
public:
    using Factory = std::function<TComponent*(TComponent* owner)>;
    static ComponentRegistry& Instance();

    void Register(const std::string& className, Factory factory) { factories_[className] = std::move(factory); }
    template <class T>
    void Register(const std::string& className) {
        Register(className, [](TComponent* owner) -> TComponent* { return new T(owner); });
    }
    bool Knows(const std::string& className) const { return factories_.count(className) != 0; }
    TComponent* Create(const std::string& className, TComponent* owner) const;

private:
    std::map<std::string, Factory> factories_;
};

// Reads node into root (already constructed, of the node's class): sets its
// name and properties and creates its children, all owned by root. Children
// are given their parent through TComponent::SetParentComponent. Loaded() is
// called on every component, children first, once everything is read.
void ReadComponentTree(TComponent& root, const FormNode& node, const HandlerTable& handlers);
