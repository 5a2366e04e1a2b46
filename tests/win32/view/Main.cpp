// Entry point of the view tests: the program's document, frame and view are
// made once, on the default printer, for all tests.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "ViewFixture.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new CViewEnvironment);
    return RUN_ALL_TESTS();
}
