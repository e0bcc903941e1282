// The Win32 component tests: one application object for the whole run, as
// in the program, and real windows under Wine.
#include <gtest/gtest.h>

#include "app/Components.h"
#include "toolkit/Application.h"
#include "widgets/Dialogs.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    RegisterComponents();
    TApplication app;
    app.SetTitle("DawnbellTests");
    InstallErrorReport();
    return RUN_ALL_TESTS();
}
