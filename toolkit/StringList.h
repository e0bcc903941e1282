// String lists: an ordered list of text lines. TStrings is the interface
// (count, index, add, clear, assign, text); TStringList keeps the lines in
// memory, and a memo's Lines keep them in the memo's text.
#pragma once

#include <string>
#include <vector>

#include "platform/Exceptions.h"

// An index outside a list.
class EStringListError : public Exception {
public:
    using Exception::Exception;
};

class TStrings {
public:
    virtual ~TStrings() = default;
    TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;

    virtual int Count() const = 0;
    // The line at index; throws EStringListError outside 0 .. Count - 1.
    virtual std::string Strings(int index) const = 0;
    virtual void Put(int index, const std::string& s) = 0;
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    std::string operator[](int index) const { return Strings(index); }
    // Appends a line and returns its index.
    int Add(const std::string& s);
    void AddStrings(const TStrings& other);
    // Replaces every line by a copy of the other list's lines.
    virtual void Assign(const TStrings& other);
    int IndexOf(const std::string& s) const;
    virtual std::vector<std::string> ToVector() const;

    // Every line followed by a line break (CR LF).
    virtual std::string Text() const;
    // Splits at CR LF, LF or CR; a last line left empty by a final break is
    // not a line.
    virtual void SetText(const std::string& text);

protected:
    void CheckIndex(int index, int count) const;
};

class TStringList : public TStrings {
public:
    TStringList() = default;
    explicit TStringList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    int Count() const override { return static_cast<int>(lines_.size()); }
    std::string Strings(int index) const override;
    void Put(int index, const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};

// The lines of a text under the rule above: "" has none, "a\r\n" and "a"
// have one, "\r\n" has one empty line.
std::vector<std::string> SplitLines(const std::string& text);
// The text of lines: each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);
