// String lists: the line rule of texts (a last empty line is not a line),
// the text of a list, and the list operations with their index checks.
#include <gtest/gtest.h>

#include "toolkit/StringList.h"

namespace {

TEST(SplitLines, ALastLineLeftEmptyByAFinalBreakIsNotALine) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"\r\n", {""}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\nb\rc", {"a", "b", "c"}},  // lone LF and CR break too
        {"a\n\rb", {"a", "", "b"}},    // LF CR is two breaks
        {"a\r\n\r\nb", {"a", "", "b"}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.lines, SplitLines(c.text)) << '"' << c.text << '"';
}

TEST(JoinLines, EveryLineEndsWithABreakSoTheLinesComeBack) {
    EXPECT_EQ("", JoinLines({}));
    EXPECT_EQ("\r\n", JoinLines({""}));
    EXPECT_EQ("a\r\n\r\nc\r\n", JoinLines({"a", "", "c"}));
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>{}, {""}, {"", ""}, {"x"}, {"x", "", "z"}})
        EXPECT_EQ(lines, SplitLines(JoinLines(lines)));
}

TEST(StringList, AddInsertPutDeleteAndTheirIndexChecks) {
    TStringList list;
    EXPECT_EQ(0, list.Add("b"));
    EXPECT_EQ(1, list.Add("d"));
    list.Insert(0, "a");
    list.Insert(2, "c");
    list.Insert(4, "e");  // at the end
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "d", "e"}), list.ToVector());
    list.Put(4, "E");
    list.Delete(0);
    EXPECT_EQ("b", list[0]);
    EXPECT_EQ(3, list.IndexOf("E"));
    EXPECT_EQ(-1, list.IndexOf("a"));
    EXPECT_EQ("b\r\nc\r\nd\r\nE\r\n", list.Text());

    EXPECT_THROW(list.Strings(4), EStringListError);
    EXPECT_THROW(list.Strings(-1), EStringListError);
    EXPECT_THROW(list.Insert(6, "x"), EStringListError);
    EXPECT_THROW(list.Delete(4), EStringListError);
    EXPECT_THROW(list.Put(-1, "x"), EStringListError);
    try {
        list.Strings(7);
    } catch (const EStringListError& e) {
        EXPECT_EQ("List index out of bounds (7)", e.Message());
    }
}

TEST(StringList, AssignCopiesAndSetTextSplits) {
    TStringList a({"one", "two"});
    TStringList b({"old"});
    b.Assign(a);
    EXPECT_EQ(a.ToVector(), b.ToVector());
    b.Put(0, "changed");
    EXPECT_EQ("one", a[0]);  // an independent copy
    b.Assign(b);             // itself: unchanged
    EXPECT_EQ(2, b.Count());
    b.AddStrings(b);  // itself: doubled, not endless
    EXPECT_EQ(4, b.Count());

    b.SetText("x\r\ny\r\n");
    EXPECT_EQ((std::vector<std::string>{"x", "y"}), b.ToVector());
    b.SetText("\r\n");
    EXPECT_EQ(1, b.Count());
    b.Clear();
    EXPECT_EQ(0, b.Count());
    EXPECT_EQ("", b.Text());
}

}  // namespace
