// Test fixture for the date and time text tests: a fake platform (clock at
// Mon 7 Dec 2026 07:05, no locale data unless a test adds some) and private
// format settings, loaded as at start-up.
#pragma once

#include <gtest/gtest.h>

#include "datetime/FormatSettings.h"
#include "datetime/LocaleSettings.h"
#include "fakes/FakePlatform.h"

class LocaleTest : public ::testing::Test {
protected:
    // Reloads both parts of the settings from the fake's locale table.
    void Load() {
        datetime::LoadCalendarNames();
        datetime::LoadFormatSettings();
    }
    void SetUp() override { Load(); }

    fakes::FakePlatform fake;
    fakes::ScopedPlatform platformScope{fake};
    datetime::ScopedFormatSettings settings;
};
