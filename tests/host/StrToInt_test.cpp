// Reading the starting track: decimal or "$" hexadecimal, blanks and a sign
// in front, nothing behind, within 32 bits.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "app/StrToInt.h"
#include "platform/Exceptions.h"

namespace {

TEST(StrToInt, ReadsDecimalAndHexadecimalWithBlanksAndSign) {
    struct Case {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"1", 1},          {"12", 12},       {"007", 7},      {"  5", 5},        {"+3", 3},
        {"-2", -2},        {"  -0", 0},      {"$A", 10},      {"$ff", 255},      {"-$10", -16},
        {" +$1F", 31},     {"2147483647", 2147483647},        {"-2147483648", INT32_MIN},
        {"$7FFFFFFF", INT32_MAX},            {"-$80000000", INT32_MIN},
    };
    for (const Case& c : cases) {
        std::int32_t out = 99;
        EXPECT_TRUE(TryStrToInt(c.text, out)) << c.text;
        EXPECT_EQ(c.value, out) << c.text;
        EXPECT_EQ(c.value, StrToInt(c.text)) << c.text;
    }
}

TEST(StrToInt, RefusesEverythingElseWithTheTextInTheMessage) {
    const char* bad[] = {"",  " ",   "+",   "-",  "$",          "5 ",         "1.5", "1e3", "abc", "0x10",
                         "$G", "--1", "+-1", "$-1", "2147483648", "-2147483649", "$80000000", "99999999999999999999",
                         "1\t", "\t1"};
    for (const char* text : bad) {
        std::int32_t out = 99;
        EXPECT_FALSE(TryStrToInt(text, out)) << text;
        EXPECT_EQ(99, out) << text;
        try {
            StrToInt(text);
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ("'" + std::string(text) + "' is not a valid integer value", e.Message());
        }
    }
}

}  // namespace
