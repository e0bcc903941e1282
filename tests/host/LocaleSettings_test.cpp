// Loading the settings from the locale: fallbacks item by item, the
// one-character rule, numeric items, the day-name numbering, the built time
// patterns, and the test override of the settings object.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "LocaleFixture.h"
#include "datetime/LocaleItems.h"

using namespace datetime;
namespace li = datetime::localeitems;

namespace {

using LocaleSettings = LocaleTest;

TEST_F(LocaleSettings, EveryItemFallsBackWithoutLocaleData) {
    const FormatSettings& fs = Formats();
    EXPECT_EQ("", fs.CurrencySymbol);
    EXPECT_EQ(0, fs.CurrencyPlacement);
    EXPECT_EQ(0, fs.NegCurrencyPlacement);
    EXPECT_EQ(',', fs.ThousandsChar);
    EXPECT_EQ('.', fs.DecimalChar);
    EXPECT_EQ(0, fs.CurrencyDigits);
    EXPECT_EQ('/', fs.DateSepChar);
    EXPECT_EQ("m/d/yy", fs.DatePatternShort);
    EXPECT_EQ("mmmm d, yyyy", fs.DatePatternLong);
    EXPECT_EQ(':', fs.TimeSepChar);
    EXPECT_EQ("am", fs.AmSymbol);
    EXPECT_EQ("pm", fs.PmSymbol);
    EXPECT_EQ("h:mm AMPM", fs.TimePatternShort);
    EXPECT_EQ("h:mm:ss AMPM", fs.TimePatternLong);
    EXPECT_EQ("Jan", fs.MonthShortNames[1]);
    EXPECT_EQ("Dec", fs.MonthShortNames[12]);
    EXPECT_EQ("January", fs.MonthLongNames[1]);
    EXPECT_EQ("December", fs.MonthLongNames[12]);
    EXPECT_EQ("Sun", fs.DayShortNames[1]);
    EXPECT_EQ("Sat", fs.DayShortNames[7]);
    EXPECT_EQ("Sunday", fs.DayLongNames[1]);
    EXPECT_EQ("Saturday", fs.DayLongNames[7]);
}

TEST_F(LocaleSettings, ItemsOfALocaleReplaceTheirFallbacksOneByOne) {
    fake.locale[li::kSCurrency] = "EUR";
    fake.locale[li::kICurrency] = "3";
    fake.locale[li::kINegCurr] = "8";
    fake.locale[li::kSThousand] = ".";
    fake.locale[li::kSDecimal] = ",";
    fake.locale[li::kICurrDigits] = "2";
    fake.locale[li::kSShortDate] = "dd.MM.yyyy";
    fake.locale[li::kS2359] = "nachm.";
    fake.locale[li::kITLZero] = "1";
    fake.locale[li::kITime] = "1";
    Load();
    const FormatSettings& fs = Formats();
    EXPECT_EQ("EUR", fs.CurrencySymbol);
    EXPECT_EQ(3, fs.CurrencyPlacement);
    EXPECT_EQ(8, fs.NegCurrencyPlacement);
    EXPECT_EQ('.', fs.ThousandsChar);
    EXPECT_EQ(',', fs.DecimalChar);
    EXPECT_EQ(2, fs.CurrencyDigits);
    EXPECT_EQ("dd.MM.yyyy", fs.DatePatternShort);
    EXPECT_EQ("mmmm d, yyyy", fs.DatePatternLong);  // not given: its own fallback
    EXPECT_EQ("am", fs.AmSymbol);
    EXPECT_EQ("nachm.", fs.PmSymbol);
    EXPECT_EQ("hh:mm", fs.TimePatternShort);
    EXPECT_EQ("hh:mm:ss", fs.TimePatternLong);
}

TEST_F(LocaleSettings, LongerDateAndTimeSeparatorsGiveTheirFirstMarkOtherCharactersFallBack) {
    fake.locale[li::kSDate] = "//";
    fake.locale[li::kSTime] = ". ";
    fake.locale[li::kSThousand] = ". ";
    fake.locale[li::kSDecimal] = "";  // an empty item is one zero: its first character
    Load();
    EXPECT_EQ('/', Formats().DateSepChar);
    EXPECT_EQ('.', Formats().TimeSepChar);
    EXPECT_EQ(',', Formats().ThousandsChar);
    EXPECT_EQ('\0', Formats().DecimalChar);
    EXPECT_EQ('-', LocaleChar(0, li::kSDate, '-'));

    // Blanks before the mark are skipped; blanks alone or nothing fall back.
    fake.locale[li::kSDate] = " -";
    fake.locale[li::kSTime] = "  ";
    Load();
    EXPECT_EQ('-', Formats().DateSepChar);
    EXPECT_EQ(':', Formats().TimeSepChar);
    fake.locale[li::kSDate] = "";
    Load();
    EXPECT_EQ('/', Formats().DateSepChar);
}

TEST_F(LocaleSettings, NumericItemsThatAreNotIntegersReadAsZero) {
    for (const char* text : {"x", "1x", "", " 1", "99999999999", "1.5"}) {
        fake.locale[li::kITLZero] = text;
        fake.locale[li::kITime] = text;
        fake.locale[li::kICurrDigits] = text;
        Load();
        EXPECT_EQ("h:mm:ss AMPM", Formats().TimePatternLong) << '"' << text << '"';
        EXPECT_EQ(0, Formats().CurrencyDigits) << '"' << text << '"';
    }
    fake.locale[li::kITLZero] = "+2";
    fake.locale[li::kITime] = "-1";
    Load();
    EXPECT_EQ("hh:mm", Formats().TimePatternShort);
}

TEST_F(LocaleSettings, DayTablesCountFromSundayThePlatformFromMonday) {
    const char* const platformDays[] = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};
    for (unsigned i = 0; i < 7; ++i) {
        fake.locale[li::kSDayName1 + i] = platformDays[i];
        fake.locale[li::kSAbbrevDayName1 + i] = std::string(platformDays[i], 2);
    }
    fake.locale[li::kSMonthName1 + 2] = "März";
    fake.locale[li::kSAbbrevMonthName1 + 11] = "Dez";
    Load();
    const FormatSettings& fs = Formats();
    EXPECT_EQ("Sonntag", fs.DayLongNames[1]);
    EXPECT_EQ("Montag", fs.DayLongNames[2]);
    EXPECT_EQ("Samstag", fs.DayLongNames[7]);
    EXPECT_EQ("So", fs.DayShortNames[1]);
    EXPECT_EQ("Fr", fs.DayShortNames[6]);
    EXPECT_EQ("März", fs.MonthLongNames[3]);
    EXPECT_EQ("April", fs.MonthLongNames[4]);  // the string table's entry
    EXPECT_EQ("Dez", fs.MonthShortNames[12]);
}

TEST_F(LocaleSettings, NameFallbacksComeFromTheStringTable) {
    fake.strings[65472] = "Jän";
    fake.strings[65517] = "Sabbat";
    Load();
    EXPECT_EQ("Jän", Formats().MonthShortNames[1]);
    EXPECT_EQ("Sabbat", Formats().DayLongNames[7]);
}

TEST_F(LocaleSettings, ReloadingReplacesTheStartUpTimePatternButKeepsTheNames) {
    settings->TimePatternLong = "HH:MM";
    settings->MonthLongNames[6] = "Juni";
    fake.locale[li::kSMonthName1 + 5] = "juin";
    LoadFormatSettings();
    EXPECT_EQ("h:mm:ss AMPM", Formats().TimePatternLong);
    EXPECT_EQ("Juni", Formats().MonthLongNames[6]);
}

TEST_F(LocaleSettings, LocaleTextTakesAtMost255Characters) {
    fake.locale[li::kSLongDate] = std::string(255, 'd');
    EXPECT_EQ(std::string(255, 'd'), LocaleText(0, li::kSLongDate, "fb"));
    fake.locale[li::kSLongDate] = std::string(256, 'd');  // does not fit: the call fails
    EXPECT_EQ("fb", LocaleText(0, li::kSLongDate, "fb"));

    // A platform that claims more than the buffer holds is not believed.
    struct Boastful : fakes::FakePlatform {
        int LocaleInfo(platform::LCID, platform::LCTYPE, char* buf, int size) override {
            std::memset(buf, 'q', static_cast<std::size_t>(size));
            return 100000;
        }
    } boastful;
    fakes::ScopedPlatform scope(boastful);
    EXPECT_EQ(std::string(255, 'q'), LocaleText(0, li::kSLongDate, "fb"));
}

TEST(ScopedFormatSettings, RestoresTheSettingsInForce) {
    const std::string before = Formats().DatePatternShort;
    {
        ScopedFormatSettings outer;
        outer->DatePatternShort = "outer";
        {
            ScopedFormatSettings inner;
            EXPECT_EQ("outer", Formats().DatePatternShort);  // starts as a copy
            Formats().DatePatternShort = "inner";
        }
        EXPECT_EQ("outer", Formats().DatePatternShort);
    }
    EXPECT_EQ(before, Formats().DatePatternShort);
}

}  // namespace
