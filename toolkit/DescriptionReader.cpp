#include "toolkit/DescriptionReader.h"

#include <vector>

ComponentRegistry& ComponentRegistry::Instance() {
    static ComponentRegistry registry;
    return registry;
}

TComponent* ComponentRegistry::Create(const std::string& className, TComponent* owner) const {
    auto it = factories_.find(className);
    return it == factories_.end() ? nullptr : it->second(owner);
}

namespace {

class TreeReader {
public:
    TreeReader(TComponent& root, const HandlerTable& handlers) : root_(root), binder_(handlers) {}

    void Read(const FormNode& node) {
        root_.SetName(node.name);
        root_.BeginLoading();
        read_.push_back(&root_);
        ApplyProperties(root_, node);
        ReadChildren(root_, node);
        for (auto it = read_.rbegin(); it != read_.rend(); ++it) (*it)->Loaded();
    }

private:
    TComponent& root_;
    DescriptionBinder binder_;
    std::vector<TComponent*> read_;

    [[noreturn]] void Fail(const FormNode& node, const std::string& property, const std::string& what) {
        std::string where = root_.Name();
        if (node.name != root_.Name()) where += "." + node.name;
        if (!property.empty()) where += "." + property;
        throw EReadError("Error reading " + where + " (line " + std::to_string(node.line) + "): " + what);
    }

    void ApplyProperties(TComponent& c, const FormNode& node) {
        for (const PropertyAssignment& a : node.properties) {
            bool known;
            try {
                known = c.SetProperty(a.name, a.value, binder_);
            } catch (const EReadError& e) {
                Fail(node, a.name, e.Message());
            }
            if (!known) Fail(node, a.name, "unknown property " + a.name + " of " + node.className);
        }
    }

    void ReadChildren(TComponent& parent, const FormNode& node) {
        for (const FormNode& child : node.children) {
            if (root_.FindComponent(child.name)) Fail(child, "", "duplicate component name " + child.name);
            TComponent* c = ComponentRegistry::Instance().Create(child.className, &root_);
            if (!c) Fail(child, "", "unknown class " + child.className);
            c->SetName(child.name);
            c->BeginLoading();
            read_.push_back(c);
            try {
                c->SetParentComponent(&parent);
            } catch (const Exception& e) {
                Fail(child, "", e.Message());
            }
            ApplyProperties(*c, child);
            ReadChildren(*c, child);
        }
    }
};

}  // namespace

void ReadComponentTree(TComponent& root, const FormNode& node, const HandlerTable& handlers) {
    TreeReader(root, handlers).Read(node);
}
