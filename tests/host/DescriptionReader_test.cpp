// Window descriptions: parsing, building a component tree from one, and the
// errors for every kind of mistake.
#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/FormDescription.h"

namespace {

int g_destroyed = 0;

// A plain component with a few properties and an event, standing in for
// the toolkit's controls.
class TProbe : public TComponent {
public:
    explicit TProbe(TComponent* owner) : TComponent(owner) {}
    ~TProbe() override { ++g_destroyed; }

    int number = 0;
    std::string text;
    std::vector<std::string> flags;
    std::function<void(TComponent*)> onPoke;
    TComponent* parent = nullptr;
    bool loadingWhileRead = false;
    int loadedCalls = 0;

    bool SetProperty(const std::string& name, const PropertyValue& v, DescriptionBinder& b) override {
        loadingWhileRead = Loading();
        if (name == "Number") number = v.AsInt();
        else if (name == "Text") text = v.AsString();
        else if (name == "Flags") {
            for (const PropertyValue& f : v.AsList()) flags.push_back(f.AsIdentifier());
        } else if (name == "OnPoke") onPoke = b.Handler<void(TComponent*)>(v);
        else return TComponent::SetProperty(name, v, b);
        return true;
    }
    void SetParentComponent(TComponent* p) override { parent = p; }
    void Loaded() override {
        ++loadedCalls;
        TComponent::Loaded();
    }
};

struct Registered {
    Registered() { ComponentRegistry::Instance().Register<TProbe>("TProbe"); }
} registered;

std::string ReadError(const std::string& text, const HandlerTable& handlers = HandlerTable()) {
    TProbe root(nullptr);
    try {
        ReadComponentTree(root, ParseFormDescription(text, "Test.form"), handlers);
    } catch (const EReadError& e) {
        return e.Message();
    }
    return "no error";
}

TEST(FormDescription, ParsesValuesOfEveryKindAndNesting) {
    FormNode n = ParseFormDescription(
        "# a window\n"
        "TProbe Win {\n"
        "  Number = -42\n"
        "  Font.Name = \"MS \\\"Sans\\\" Serif\"  # trailing comment\n"
        "  Flags = [a, b]\n"
        "  Empty = []\n"
        "  TProbe Child { Text = \"x\" }\n"
        "}\n",
        "W.form");
    EXPECT_EQ("TProbe", n.className);
    EXPECT_EQ("Win", n.name);
    ASSERT_EQ(4u, n.properties.size());
    EXPECT_EQ(-42, n.properties[0].value.AsInt());
    EXPECT_EQ("Font.Name", n.properties[1].name);
    EXPECT_EQ("MS \"Sans\" Serif", n.properties[1].value.AsString());
    EXPECT_EQ(4, n.properties[1].line);
    EXPECT_EQ(2u, n.properties[2].value.AsList().size());
    EXPECT_TRUE(n.properties[3].value.AsList().empty());
    ASSERT_EQ(1u, n.children.size());
    EXPECT_EQ("Child", n.children[0].name);
    EXPECT_EQ(7, n.children[0].line);
}

TEST(FormDescription, MalformedTextNamesTheLine) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"TProbe W {\n  Text = \"open\n}", "W.form:2: unterminated string"},
        {"TProbe W {\n  Number = \n}", "W.form:3: value expected"},
        {"TProbe W {\n  Number = 1\n", "W.form:3: '}' expected before the end of the text"},
        {"TProbe W { } extra", "W.form:1: text after the end of the description"},
        {"TProbe { }", "W.form:1: component name expected"},
        {"TProbe W { Flags = [a b] }", "W.form:1: ',' or ']' expected"},
        {"TProbe W { N = 99999999999999999999 }", "W.form:1: number too large"},
    };
    for (const Case& c : cases) {
        try {
            ParseFormDescription(c.text, "W.form");
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const EReadError& e) {
            EXPECT_EQ(c.message, e.Message()) << c.text;
        }
    }
}

// Nesting is bounded, so that no text can exhaust the stack of the parser,
// the reader or the tree's destructor; 64 levels still read.
TEST(FormDescription, NestingDeeperThanTheLimitIsAnErrorNotACrash) {
    auto lists = [](int depth) {
        return "TProbe W { L = " + std::string(depth - 1, '[') + std::string(depth - 1, ']') + " }";
    };
    auto nodes = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i) text += "TProbe C" + std::to_string(i) + " {\n";
        return text + std::string(depth, '}');
    };
    EXPECT_NO_THROW(ParseFormDescription(lists(64), "W.form"));
    EXPECT_NO_THROW(ParseFormDescription(nodes(64), "W.form"));
    for (const std::string& text : {lists(65), lists(100000), nodes(65), nodes(100000)}) {
        try {
            ParseFormDescription(text, "W.form");
            ADD_FAILURE() << "no error at " << text.size() << " characters";
        } catch (const EReadError& e) {
            EXPECT_NE(std::string::npos, e.Message().find("nested more than 64 levels deep")) << e.Message();
        }
    }
}

// A value's text is in the description's syntax: it parses back to the value,
// line breaks and tabs included.
TEST(FormDescription, ValueTextReadsBackAsTheSameValue) {
    const PropertyValue values[] = {
        PropertyValue::String("two\nlines\tand \"quotes\" \\ back\rslash"),
        PropertyValue::List({PropertyValue::Integer(-5), PropertyValue::Identifier("alTop"),
                             PropertyValue::List({PropertyValue::String("\n")})}),
    };
    EXPECT_EQ("\"a\\nb\\tc\"", PropertyValue::String("a\nb\tc").ToText());
    for (const PropertyValue& v : values) {
        const FormNode n = ParseFormDescription("TProbe W { P = " + v.ToText() + " }", "W.form");
        ASSERT_EQ(1u, n.properties.size()) << v.ToText();
        EXPECT_EQ(v.ToText(), n.properties[0].value.ToText());
    }
    EXPECT_EQ(values[0].AsString(), ParseFormDescription("TProbe W { P = " + values[0].ToText() + " }", "W.form")
                                        .properties[0].value.AsString());
}

TEST(DescriptionReader, BuildsTheTreeSetsPropertiesAndBindsHandlers) {
    TProbe root(nullptr);
    int pokes = 0;
    HandlerTable handlers;
    handlers.Add<void(TComponent*)>("RootPoke", [&](TComponent*) { ++pokes; });
    ReadComponentTree(root,
                      ParseFormDescription("TProbe Win { Number = 7\n"
                                           "  TProbe Outer { Text = \"o\" OnPoke = RootPoke\n"
                                           "    TProbe Inner { Flags = [x] } } }",
                                           "W.form"),
                      handlers);
    EXPECT_EQ("Win", root.Name());
    EXPECT_EQ(7, root.number);
    ASSERT_EQ(2, root.ComponentCount());  // the window owns every component
    auto* outer = dynamic_cast<TProbe*>(root.FindComponent("Outer"));
    auto* inner = dynamic_cast<TProbe*>(root.FindComponent("Inner"));
    ASSERT_TRUE(outer && inner);
    EXPECT_EQ(&root, outer->parent);
    EXPECT_EQ(outer, inner->parent);
    EXPECT_EQ(std::vector<std::string>{"x"}, inner->flags);
    ASSERT_TRUE(outer->onPoke);
    outer->onPoke(outer);
    EXPECT_EQ(1, pokes);
    // Properties are set while loading; Loaded runs once for each afterwards.
    EXPECT_TRUE(outer->loadingWhileRead);
    EXPECT_FALSE(outer->Loading());
    EXPECT_EQ(1, root.loadedCalls);
    EXPECT_EQ(1, inner->loadedCalls);
}

TEST(DescriptionReader, ErrorsNameTheWindowTheComponentAndTheProperty) {
    HandlerTable handlers;
    handlers.Add<void(TComponent*, int)>("WrongShape", [](TComponent*, int) {});
    EXPECT_EQ("Error reading Win.Kid (line 1): unknown class TNothing",
              ReadError("TProbe Win { TNothing Kid { } }"));
    EXPECT_EQ("Error reading Win.Kid.Colour (line 1): unknown property Colour of TProbe",
              ReadError("TProbe Win { TProbe Kid { Colour = 1 } }"));
    EXPECT_EQ("Error reading Win.Number (line 1): integer expected, found \"seven\"",
              ReadError("TProbe Win { Number = \"seven\" }"));
    EXPECT_EQ("Error reading Win.Kid.OnPoke (line 2): unknown handler KidPoke",
              ReadError("TProbe Win {\n TProbe Kid { OnPoke = KidPoke } }"));
    EXPECT_EQ("Error reading Win.OnPoke (line 1): handler WrongShape does not fit this event",
              ReadError("TProbe Win { OnPoke = WrongShape }", handlers));
    EXPECT_EQ("Error reading Win.Kid (line 1): duplicate component name Kid",
              ReadError("TProbe Win { TProbe Kid { } TProbe Kid { } }"));
}

TEST(Components, OwnerFreesWhatItOwnsAndAFreedComponentLeavesItsOwner) {
    g_destroyed = 0;
    auto* root = new TProbe(nullptr);
    auto* a = new TProbe(root);
    new TProbe(a);  // owned by a, freed with it
    new TProbe(root);
    EXPECT_EQ(2, root->ComponentCount());
    delete a;
    EXPECT_EQ(2, g_destroyed);
    EXPECT_EQ(1, root->ComponentCount());
    delete root;
    EXPECT_EQ(4, g_destroyed);
}

}  // namespace
