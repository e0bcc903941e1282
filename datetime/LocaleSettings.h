// Loading the format settings and name tables from the platform's locale
// database, each item with its own fallback.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace datetime {

// The item's text, or the fallback when the platform has none.
std::string LocaleText(platform::LCID locale, platform::LCTYPE item, const std::string& fallback);
// The item's first character; the fallback when the platform has none or the
// item is longer than one character (it does not fit a two-character buffer).
char LocaleChar(platform::LCID locale, platform::LCTYPE item, char fallback);

// Fills the four name tables of Formats() for the system default locale.
void LoadCalendarNames();
// Fills the separators, patterns, designators and currency settings of
// Formats() and rebuilds both time patterns from the clock style items.
void LoadFormatSettings();

}  // namespace datetime
