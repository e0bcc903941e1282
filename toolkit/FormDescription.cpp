#include "toolkit/FormDescription.h"

#include <limits>

#include "platform/Exceptions.h"

PropertyValue PropertyValue::Integer(std::int64_t v) {
    PropertyValue p;
    p.kind_ = Kind::Integer;
    p.integer_ = v;
    return p;
}

PropertyValue PropertyValue::String(std::string s) {
    PropertyValue p;
    p.kind_ = Kind::String;
    p.text_ = std::move(s);
    return p;
}

PropertyValue PropertyValue::Identifier(std::string s) {
    PropertyValue p;
    p.kind_ = Kind::Identifier;
    p.text_ = std::move(s);
    return p;
}

PropertyValue PropertyValue::List(std::vector<PropertyValue> items) {
    PropertyValue p;
    p.kind_ = Kind::List;
    p.items_ = std::move(items);
    return p;
}

std::int64_t PropertyValue::AsInteger() const {
    if (kind_ != Kind::Integer) throw EReadError("integer expected, found " + ToText());
    return integer_;
}

int PropertyValue::AsInt() const {
    std::int64_t v = AsInteger();
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        throw EReadError("integer out of range: " + ToText());
    return static_cast<int>(v);
}

const std::string& PropertyValue::AsString() const {
    if (kind_ != Kind::String) throw EReadError("string expected, found " + ToText());
    return text_;
}

const std::string& PropertyValue::AsIdentifier() const {
    if (kind_ != Kind::Identifier) throw EReadError("identifier expected, found " + ToText());
    return text_;
}

bool PropertyValue::AsBool() const {
    if (kind_ == Kind::Identifier && text_ == "true") return true;
    if (kind_ == Kind::Identifier && text_ == "false") return false;
    throw EReadError("true or false expected, found " + ToText());
}

const std::vector<PropertyValue>& PropertyValue::AsList() const {
    if (kind_ != Kind::List) throw EReadError("list expected, found " + ToText());
    return items_;
}

std::string PropertyValue::ToText() const {
    switch (kind_) {
        case Kind::Integer: return std::to_string(integer_);
        case Kind::Identifier: return text_;
        case Kind::String: {
            std::string s = "\"";
            for (char c : text_) {
                if (c == '\n') {
                    s += "\\n";
                } else if (c == '\t') {
                    s += "\\t";
                } else {
                    if (c == '"' || c == '\\') s += '\\';
                    s += c;
                }
            }
            return s + "\"";
        }
        case Kind::List: {
            std::string s = "[";
            for (std::size_t i = 0; i < items_.size(); ++i) s += (i ? ", " : "") + items_[i].ToText();
            return s + "]";
        }
    }
    return std::string();
}

namespace {

// Components and lists nest at most this deep: the parser, the reader and the
// tree's destructor all recurse once per level.
constexpr int kMaxNesting = 64;

class Parser {
public:
    Parser(const std::string& text, const std::string& source) : text_(text), source_(source) {}

    FormNode ParseFile() {
        SkipBlank();
        int line = line_;
        FormNode root = ParseNode(ReadIdentifier("class name"), line);
        SkipBlank();
        if (pos_ < text_.size()) Fail("text after the end of the description");
        return root;
    }

private:
    const std::string& text_;
    const std::string& source_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int depth_ = 0;

    [[noreturn]] void Fail(const std::string& what) {
        throw EReadError(source_ + ":" + std::to_string(line_) + ": " + what);
    }

    // Counts one level of nesting for as long as it lives.
    class Nested {
    public:
        explicit Nested(Parser& p) : p_(p) {
            if (++p_.depth_ > kMaxNesting) p_.Fail("nested more than " + std::to_string(kMaxNesting) + " levels deep");
        }
        ~Nested() { --p_.depth_; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;

    private:
        Parser& p_;
    };

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    void SkipBlank() {
        while (!AtEnd()) {
            char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (c == '#') {
                while (!AtEnd() && text_[pos_] != '\n') ++pos_;
            } else {
                break;
            }
        }
    }

    static bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    std::string ReadIdentifier(const char* what) {
        SkipBlank();
        if (!IsIdentStart(Peek())) Fail(std::string(what) + " expected");
        std::size_t start = pos_;
        while (!AtEnd() && (IsIdentStart(text_[pos_]) || IsDigit(text_[pos_]))) ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // A property name may be dotted: Font.Name.
    std::string ReadPropertyName(std::string first) {
        while (Peek() == '.') {
            ++pos_;
            first += '.';
            first += ReadIdentifier("property name");
        }
        return first;
    }

    void Expect(char c) {
        SkipBlank();
        if (Peek() != c) Fail(std::string("'") + c + "' expected");
        ++pos_;
    }

    // The body of a component whose class name has been read.
    FormNode ParseNode(std::string className, int line) {
        const Nested level(*this);
        FormNode node;
        node.line = line;
        node.className = std::move(className);
        node.name = ReadIdentifier("component name");
        Expect('{');
        for (;;) {
            SkipBlank();
            if (AtEnd()) Fail("'}' expected before the end of the text");
            if (Peek() == '}') {
                ++pos_;
                return node;
            }
            int line = line_;
            std::string word = ReadIdentifier("property or component");
            SkipBlank();
            if (Peek() == '=' || Peek() == '.') {
                PropertyAssignment a;
                a.line = line;
                a.name = ReadPropertyName(word);
                Expect('=');
                a.value = ParseValue();
                node.properties.push_back(std::move(a));
            } else {
                node.children.push_back(ParseNode(std::move(word), line));
            }
        }
    }

    PropertyValue ParseValue() {
        SkipBlank();
        char c = Peek();
        if (c == '"') return PropertyValue::String(ParseString());
        if (c == '[') {
            const Nested level(*this);
            ++pos_;
            std::vector<PropertyValue> items;
            SkipBlank();
            if (Peek() == ']') {
                ++pos_;
                return PropertyValue::List(std::move(items));
            }
            for (;;) {
                items.push_back(ParseValue());
                SkipBlank();
                if (Peek() == ',') {
                    ++pos_;
                    continue;
                }
                if (Peek() == ']') {
                    ++pos_;
                    return PropertyValue::List(std::move(items));
                }
                Fail("',' or ']' expected");
            }
        }
        if (c == '-' || IsDigit(c)) {
            bool negative = c == '-';
            if (negative) ++pos_;
            if (!IsDigit(Peek())) Fail("digit expected");
            std::int64_t v = 0;
            while (IsDigit(Peek())) {
                if (v > (std::numeric_limits<std::int64_t>::max() - 9) / 10) Fail("number too large");
                v = v * 10 + (text_[pos_++] - '0');
            }
            return PropertyValue::Integer(negative ? -v : v);
        }
        if (IsIdentStart(c)) return PropertyValue::Identifier(ReadIdentifier("value"));
        Fail("value expected");
    }

    std::string ParseString() {
        ++pos_;  // opening quote
        std::string s;
        for (;;) {
            if (AtEnd() || Peek() == '\n') Fail("unterminated string");
            char c = text_[pos_++];
            if (c == '"') return s;
            if (c == '\\') {
                if (AtEnd()) Fail("unterminated string");
                char e = text_[pos_++];
                switch (e) {
                    case 'n': s += '\n'; break;
                    case 't': s += '\t'; break;
                    case '"': s += '"'; break;
                    case '\\': s += '\\'; break;
                    default: Fail(std::string("unknown escape \\") + e);
                }
            } else {
                s += c;
            }
        }
    }
};

}  // namespace

FormNode ParseFormDescription(const std::string& text, const std::string& sourceName) {
    return Parser(text, sourceName).ParseFile();
}
