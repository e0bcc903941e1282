// Rendering by pattern: the tokens, the 12-hour rule, nesting, quoting, the
// 256-character cut and the locale variants of separators and names.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "LocaleFixture.h"
#include "datetime/DateTimeFormat.h"
#include "datetime/LocaleItems.h"

using namespace datetime;
namespace li = datetime::localeitems;

namespace {

class Render : public LocaleTest {
protected:
    const DateTime june19 = MakeDate(1992, 6, 19);  // a Friday
    static DateTime At(int h, int m, int s = 0, int ms = 0) {
        return MakeTime(static_cast<std::uint16_t>(h), static_cast<std::uint16_t>(m),
                        static_cast<std::uint16_t>(s), static_cast<std::uint16_t>(ms));
    }
};

TEST_F(Render, DatesUnderTheFallbackSettings) {
    EXPECT_EQ("6/19/92", DateText(june19));
    EXPECT_EQ("19 June, 1992", RenderDateTime("d mmmm, yyyy", june19));
    EXPECT_EQ("1/1/00", DateText(MakeDate(1900, 1, 1)));
    EXPECT_EQ("2/29/00", DateText(MakeDate(2000, 2, 29)));
    EXPECT_EQ("12/31/00", DateText(MakeDate(2100, 12, 31)));
    EXPECT_EQ("06/19/1992", RenderDateTime("mm/dd/yyyy", june19));
    EXPECT_EQ("Fri Jun 19 92", RenderDateTime("ddd mmm d yy", june19));
    EXPECT_EQ("Friday, June 19, 1992", RenderDateTime("dddd, mmmm d, yyyy", june19));
    EXPECT_EQ("0001 9999", RenderDateTime("yyyy", MakeDate(1, 1, 1)) + " " + RenderDateTime("yyy", MakeDate(9999, 12, 31)));
    EXPECT_EQ("December December", RenderDateTime("mmmmm MMMMMMMM", MakeDate(2026, 12, 7)));
}

TEST_F(Render, NumbersArePaddedButNeverCut) {
    EXPECT_EQ("12 2026 7 07", RenderDateTime("m yyyy d dd", MakeDate(2026, 12, 7)));
    EXPECT_EQ("7 07 7 07", RenderDateTime("h hhhh n nnnn", At(7, 7)));
    EXPECT_EQ("23 59 59", RenderDateTime("h n s", At(23, 59, 59)));
}

TEST_F(Render, TimesAndTheTwelveHourRule) {
    EXPECT_EQ("07:05", RenderDateTime("HH:MM", At(7, 5)));
    EXPECT_EQ("12:30 am", RenderDateTime("h:mm am/pm", At(0, 30)));
    EXPECT_EQ("12:30 pm", RenderDateTime("h:mm am/pm", At(12, 30)));
    EXPECT_EQ("1:05 PM", RenderDateTime("h:nn AM/PM", At(13, 5)));
    EXPECT_EQ("1:05 P", RenderDateTime("h:nn A/P", At(13, 5)));
    EXPECT_EQ("11:05 a", RenderDateTime("h:nn a/p", At(11, 5)));
    EXPECT_EQ("13:05", RenderDateTime("hh:nn", At(13, 5)));
    EXPECT_EQ("1:05 pm", RenderDateTime("h:nn ampm", At(13, 5)));
    EXPECT_EQ("Am pM", RenderDateTime("Am/pM", At(1, 0)) + " " + RenderDateTime("Am/pM", At(13, 0)));
    // Any unquoted "a" before the next "h" switches to the 12-hour clock.
    EXPECT_EQ("13 at 05", RenderDateTime("h 'at' mm", At(13, 5)));
    EXPECT_EQ("1:05 a", RenderDateTime("h:nn a", At(13, 5)));
    EXPECT_EQ("13 13 x", RenderDateTime("h h \"x\"", At(13, 5)));
    EXPECT_EQ("1 a 13", RenderDateTime("h a h", At(13, 5)));  // the last "h" has no "a" after it
}

TEST_F(Render, MinutesOnlyWhereAnHourLetterCameLast) {
    const DateTime v = MakeDate(1992, 6, 19) + At(13, 5);
    EXPECT_EQ("19/06/1992", RenderDateTime("dd/mm/yyyy", v));
    EXPECT_EQ("13:05 06", RenderDateTime("hh:mm mm", v));
    EXPECT_EQ("13-56", RenderDateTime("hh-Mm", v));  // two runs: minutes, then the month
    EXPECT_EQ("6 6", RenderDateTime("m m", v));
    EXPECT_EQ("13 x 6", RenderDateTime("h x m", v));  // x is a letter: the marker moves on
}

TEST_F(Render, NamedPatternsExpandOnceAndNoFurther) {
    const DateTime v = june19 + At(7, 5, 9);
    EXPECT_EQ("6/19/92 7:05:09 am", RenderDateTime("c", v));
    EXPECT_EQ("6/19/92 7:05:09 am", RenderDateTime("", v));
    EXPECT_EQ("6/19/92", RenderDateTime("c", june19 + At(0, 0, 0, 500)));
    EXPECT_EQ("6/19/92", RenderDateTime("ddddd", v));
    EXPECT_EQ("June 19, 1992", RenderDateTime("dddddd", v));
    EXPECT_EQ("7:05 am|7:05:09 am", RenderDateTime("t|tt", v));
    // A named pattern that names another one drops the inner name.
    settings->DatePatternShort = "[ddddd]m";
    settings->TimePatternLong = "<c>";
    EXPECT_EQ("[]6", RenderDateTime("ddddd", v));
    EXPECT_EQ("< >", RenderDateTime("tt", v));  // "c" inside drops both of its patterns
}

TEST_F(Render, QuotesAndPlainCharacters) {
    EXPECT_EQ("d/m 92", RenderDateTime("\"d/m\" yy", june19));
    EXPECT_EQ("it\"s 92", RenderDateTime("'it\"s' yy", june19));
    EXPECT_EQ("92 unclosed hh", RenderDateTime("yy 'unclosed hh", june19));
    EXPECT_EQ("#92!", RenderDateTime("#yy!", june19));
    EXPECT_EQ(std::string("a\0b", 3), RenderDateTime(std::string_view("a\0b", 3), june19));
}

TEST_F(Render, OutputIsCutAt256Characters) {
    const std::string long300(300, 'x');
    EXPECT_EQ(std::string(256, 'x'), RenderDateTime(long300, june19));
    settings->DatePatternLong = std::string(200, 'z');
    const std::string out = RenderDateTime("dddddd dddddd", june19);
    EXPECT_EQ(256u, out.size());
    EXPECT_EQ(std::string(200, 'z') + " " + std::string(55, 'z'), out);
    EXPECT_EQ(256u, RenderDateTime(std::string(255, '.') + "yyyy", june19).size());
    EXPECT_EQ(std::string(255, '.') + "1", RenderDateTime(std::string(255, '.') + "yyyy", june19));
}

TEST_F(Render, SeparatorsAndNamesComeFromTheLocale) {
    fake.locale[li::kSDate] = ".";
    fake.locale[li::kSTime] = ".";
    fake.locale[li::kSShortDate] = "dd/MM/yyyy";
    fake.locale[li::kSMonthName1 + 5] = "juin";
    fake.locale[li::kSAbbrevDayName1 + 4] = "ven.";  // the platform's fifth day is Friday
    Load();
    settings->TimePatternLong = "HH:MM";
    EXPECT_EQ("19.06.1992", DateText(june19));
    EXPECT_EQ("07.05", TimeText(At(7, 5)));
    EXPECT_EQ("ven. 19 juin", RenderDateTime("ddd d mmmm", june19));
}

TEST_F(Render, NamesOutsideYearsOneTo9999AreLeftOut) {
    const DateTime beforeYearOne = MakeDate(1, 1, 1) - 1;
    EXPECT_EQ("<> <> <> <> 0/0/00", RenderDateTime("<mmm> <mmmm> <ddd> <dddd> m/d/yy", beforeYearOne));
    EXPECT_EQ("<> <>", RenderDateTime("<mmmm> <dddd>", MakeDate(9999, 12, 31) + 1));
    EXPECT_EQ("<December> <Friday>", RenderDateTime("<mmmm> <dddd>", MakeDate(9999, 12, 31)));
    EXPECT_EQ("<January> <Monday>", RenderDateTime("<mmmm> <dddd>", MakeDate(1, 1, 1)));
    for (double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), -1e300})
        EXPECT_LE(RenderDateTime("c dddd mmmm yyyy hh:nn:ss ampm", v).size(), 256u);
}

TEST_F(Render, BeforeNoonIsBelowTwelve) {
    EXPECT_EQ("am", RenderDateTime("am/pm", At(11, 59, 59, 999)));
    EXPECT_EQ("pm", RenderDateTime("am/pm", At(12, 0)));
    settings->AmSymbol = "vorm.";
    settings->PmSymbol = "";
    EXPECT_EQ("vorm.|", RenderDateTime("ampm", At(0, 0)) + "|" + RenderDateTime("ampm", At(23, 0)));
}

}  // namespace
