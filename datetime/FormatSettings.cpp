// The one settings object of the process and its test override.
#include "datetime/FormatSettings.h"

namespace datetime {
namespace {

FormatSettings& ProcessSettings() {
    static FormatSettings settings;
    return settings;
}

FormatSettings* g_current = nullptr;  // null: the process settings

}  // namespace

FormatSettings& Formats() { return g_current ? *g_current : ProcessSettings(); }

ScopedFormatSettings::ScopedFormatSettings() : ScopedFormatSettings(Formats()) {}

ScopedFormatSettings::ScopedFormatSettings(const FormatSettings& settings) : own_(settings), previous_(g_current) {
    g_current = &own_;
}

ScopedFormatSettings::~ScopedFormatSettings() { g_current = previous_; }

}  // namespace datetime
