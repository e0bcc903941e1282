// Fuzz target for the window-description reader: arbitrary text is parsed;
// what parses must print back to a text that parses to the same tree, and
// must build a component tree (of stand-in components that read each value
// with the typed reads) without anything but EReadError escaping.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/Exceptions.h"
#include "toolkit/Component.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/FormDescription.h"

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// A component with one property of each kind, read as the real controls
// read theirs.
class TFuzzProbe : public TComponent {
public:
    explicit TFuzzProbe(TComponent* owner) : TComponent(owner) {}

    bool SetProperty(const std::string& name, const PropertyValue& v, DescriptionBinder& b) override {
        if (name == "Left" || name == "Tag") {
            number_ = v.AsInt();
        } else if (name == "Big") {
            number_ = static_cast<int>(v.AsInteger() & 0xFF);
        } else if (name == "Caption" || name == "Font.Name") {
            text_ = v.AsString();
        } else if (name == "Enabled" || name == "Visible") {
            flag_ = v.AsBool();
        } else if (name == "Align") {
            text_ = v.AsIdentifier();
        } else if (name == "Lines" || name == "Font.Style") {
            for (const PropertyValue& item : v.AsList())
                text_ += item.GetKind() == PropertyValue::Kind::String ? item.AsString() : item.AsIdentifier();
        } else if (name == "OnClick") {
            onClick_ = b.Handler<void(TComponent*)>(v);
        } else {
            return TComponent::SetProperty(name, v, b);
        }
        return true;
    }

private:
    int number_ = 0;
    bool flag_ = false;
    std::string text_;
    std::function<void(TComponent*)> onClick_;
};

// The description text of a parsed tree, in the reader's own syntax.
void Print(const FormNode& node, std::string& out) {
    out += node.className + " " + node.name + " {\n";
    for (const PropertyAssignment& a : node.properties) out += a.name + " = " + a.value.ToText() + "\n";
    for (const FormNode& child : node.children) Print(child, out);
    out += "}\n";
}

bool SameValue(const PropertyValue& a, const PropertyValue& b) {
    if (a.GetKind() != b.GetKind()) return false;
    switch (a.GetKind()) {
        case PropertyValue::Kind::Integer:
            return a.AsInteger() == b.AsInteger();
        case PropertyValue::Kind::String:
            return a.AsString() == b.AsString();
        case PropertyValue::Kind::Identifier:
            return a.AsIdentifier() == b.AsIdentifier();
        case PropertyValue::Kind::List: {
            const auto& x = a.AsList();
            const auto& y = b.AsList();
            if (x.size() != y.size()) return false;
            for (std::size_t i = 0; i < x.size(); ++i)
                if (!SameValue(x[i], y[i])) return false;
            return true;
        }
    }
    return false;
}

bool SameTree(const FormNode& a, const FormNode& b) {
    if (a.className != b.className || a.name != b.name) return false;
    if (a.properties.size() != b.properties.size() || a.children.size() != b.children.size()) return false;
    for (std::size_t i = 0; i < a.properties.size(); ++i)
        if (a.properties[i].name != b.properties[i].name || !SameValue(a.properties[i].value, b.properties[i].value))
            return false;
    for (std::size_t i = 0; i < a.children.size(); ++i)
        if (!SameTree(a.children[i], b.children[i])) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ComponentRegistry::Instance().Register<TFuzzProbe>("TFuzzProbe");
    ComponentRegistry::Instance().Register<TFuzzProbe>("TButton");
    ComponentRegistry::Instance().Register<TFuzzProbe>("TLabel");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    FormNode tree;
    try {
        tree = ParseFormDescription(text, "F.form");
    } catch (const EReadError& e) {
        Check(e.Message().rfind("F.form:", 0) == 0, "a parse error names the source");
        return 0;
    }

    std::string printed;
    Print(tree, printed);
    try {
        Check(SameTree(tree, ParseFormDescription(printed, "P.form")), "printed tree reads back the same");
    } catch (const EReadError& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        Check(false, "printed tree parses");
    }

    HandlerTable handlers;
    handlers.Add<void(TComponent*)>("ButtonClick", [](TComponent*) {});
    handlers.Add<void(TComponent*, int)>("KeyPress", [](TComponent*, int) {});
    TFuzzProbe root(nullptr);
    try {
        ReadComponentTree(root, tree, handlers);
    } catch (const EReadError& e) {
        Check(e.Message().rfind("Error reading ", 0) == 0, "a read error names the component");
    }
    return 0;
}
