// The HTML Help library is found by name and stays loaded once.
#include <gtest/gtest.h>

#include "platform/win32/help_library.h"

namespace quorbals {
namespace {

TEST(HelpLibraryWin32Test, FindsHtmlHelpAInTheSystemsLibrary) {
    LoadHelpLibrary();
    EXPECT_TRUE(HelpAvailable());
    LoadHelpLibrary();  // a second start-up call changes nothing
    EXPECT_TRUE(HelpAvailable());
    EXPECT_NE(GetModuleHandleA("HHCTRL.OCX"), nullptr);
}

}  // namespace
}  // namespace quorbals
