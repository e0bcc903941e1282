// Checks the portable locale constants against the Win32 headers; nothing
// here runs.
#include <windows.h>

#include "datetime/LocaleItems.h"

namespace datetime::localeitems {

static_assert(kUserDefault == LOCALE_USER_DEFAULT);
static_assert(kNormIgnoreCase == NORM_IGNORECASE);
static_assert(kCstrEqual == CSTR_EQUAL);
static_assert(kSDecimal == LOCALE_SDECIMAL);
static_assert(kSThousand == LOCALE_STHOUSAND);
static_assert(kSCurrency == LOCALE_SCURRENCY);
static_assert(kICurrDigits == LOCALE_ICURRDIGITS);
static_assert(kICurrency == LOCALE_ICURRENCY);
static_assert(kINegCurr == LOCALE_INEGCURR);
static_assert(kSDate == LOCALE_SDATE);
static_assert(kSTime == LOCALE_STIME);
static_assert(kSShortDate == LOCALE_SSHORTDATE);
static_assert(kSLongDate == LOCALE_SLONGDATE);
static_assert(kITime == LOCALE_ITIME);
static_assert(kITLZero == LOCALE_ITLZERO);
static_assert(kS1159 == LOCALE_S1159);
static_assert(kS2359 == LOCALE_S2359);
static_assert(kSDayName1 == LOCALE_SDAYNAME1 && kSDayName1 + 6 == LOCALE_SDAYNAME7);
static_assert(kSAbbrevDayName1 == LOCALE_SABBREVDAYNAME1 && kSAbbrevDayName1 + 6 == LOCALE_SABBREVDAYNAME7);
static_assert(kSMonthName1 == LOCALE_SMONTHNAME1 && kSMonthName1 + 11 == LOCALE_SMONTHNAME12);
static_assert(kSAbbrevMonthName1 == LOCALE_SABBREVMONTHNAME1 && kSAbbrevMonthName1 + 11 == LOCALE_SABBREVMONTHNAME12);

}  // namespace datetime::localeitems
