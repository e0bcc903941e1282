// Window descriptions: the text that describes a window and its components,
// parsed into a plain tree. The format:
//
//   # comment to the end of the line
//   TClassName ComponentName {
//     Property = 12                      integer (optionally negative)
//     Font.Name = "MS Sans Serif"        string, with \" \\ \n \t escapes
//     Align = alTop                      identifier (enumerations, true/false, handler names)
//     BorderIcons = [biSystemMenu, biMinimize]    list of values
//     TChildClass ChildName { ... }      nested component
//   }
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class PropertyValue {
public:
    enum class Kind { Integer, String, Identifier, List };

    static PropertyValue Integer(std::int64_t v);
    static PropertyValue String(std::string s);
    static PropertyValue Identifier(std::string s);
    static PropertyValue List(std::vector<PropertyValue> items);

    Kind GetKind() const { return kind_; }
    // Typed reads; each throws EReadError naming what was expected.
    std::int64_t AsInteger() const;
    int AsInt() const;  // also range-checked to int
    const std::string& AsString() const;
    const std::string& AsIdentifier() const;
    bool AsBool() const;  // identifiers true and false
    const std::vector<PropertyValue>& AsList() const;
    // The value in the description's own syntax (it parses back to the same
    // value), for messages.
    std::string ToText() const;

private:
    Kind kind_ = Kind::Integer;
    std::int64_t integer_ = 0;
    std::string text_;
    std::vector<PropertyValue> items_;
};

struct PropertyAssignment {
    std::string name;
    PropertyValue value;
    int line = 0;
};

struct FormNode {
    std::string className;
    std::string name;
    int line = 0;
    std::vector<PropertyAssignment> properties;
    std::vector<FormNode> children;
};

// Parses one description; sourceName prefixes error messages ("X.form:3: ...").
// Throws EReadError on malformed text.
FormNode ParseFormDescription(const std::string& text, const std::string& sourceName);
