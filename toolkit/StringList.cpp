#include "toolkit/StringList.h"

int TStrings::Add(const std::string& s) {
    int index = Count();
    Insert(index, s);
    return index;
}

void TStrings::AddStrings(const TStrings& other) {
    // Copy first: other may be this list.
    std::vector<std::string> lines = other.ToVector();
    for (const std::string& s : lines) Add(s);
}

void TStrings::Assign(const TStrings& other) {
    if (&other == this) return;
    std::vector<std::string> lines = other.ToVector();
    Clear();
    for (const std::string& s : lines) Add(s);
}

int TStrings::IndexOf(const std::string& s) const {
    for (int i = 0, n = Count(); i < n; ++i)
        if (Strings(i) == s) return i;
    return -1;
}

std::vector<std::string> TStrings::ToVector() const {
    std::vector<std::string> lines;
    for (int i = 0, n = Count(); i < n; ++i) lines.push_back(Strings(i));
    return lines;
}

std::string TStrings::Text() const { return JoinLines(ToVector()); }

void TStrings::SetText(const std::string& text) {
    Clear();
    for (const std::string& s : SplitLines(text)) Add(s);
}

void TStrings::CheckIndex(int index, int count) const {
    if (index < 0 || index >= count) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TStringList::Strings(int index) const {
    CheckIndex(index, Count());
    return lines_[static_cast<std::size_t>(index)];
}

void TStringList::Put(int index, const std::string& s) {
    CheckIndex(index, Count());
    lines_[static_cast<std::size_t>(index)] = s;
}

void TStringList::Insert(int index, const std::string& s) {
    // Inserting at Count appends.
    CheckIndex(index, Count() + 1);
    lines_.insert(lines_.begin() + index, s);
}

void TStringList::Delete(int index) {
    CheckIndex(index, Count());
    lines_.erase(lines_.begin() + index);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& s : lines) {
        text += s;
        text += "\r\n";
    }
    return text;
}
