#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "platform/BuiltinStrings.h"
#include "platform/Platform.h"

namespace {

TEST(StringTable, LoadsTextsAndCutsToTheBuffer) {
    EXPECT_EQ("Invalid argument to date encode", platform::LoadStr(65414));
    EXPECT_EQ("", platform::LoadStr(1));

    char buf[4];
    EXPECT_EQ(3, platform::LoadBuiltinString(65488, buf, sizeof buf));
    EXPECT_STREQ("Jan", buf);
    EXPECT_EQ(0, platform::LoadBuiltinString(65488, buf, 0));
}

TEST(StringTable, FakePlatformOverridesAndRestores) {
    fakes::FakePlatform fake;
    fake.strings[65561] = "Override";
    {
        fakes::ScopedPlatform scope(fake);
        EXPECT_EQ("Override", platform::LoadStr(65561));
        EXPECT_EQ("Warning", platform::LoadStr(61560));
    }
    EXPECT_EQ("", platform::LoadStr(65561));
}

}  // namespace
