// Libraries looked up at run time come from the system folder and from
// nowhere else.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/system_library.h"

namespace morvane::testing {
namespace {

// This program is loaded, but not from the system folder: a module of that
// name from elsewhere is not the system's.
TEST(SystemLibraryTest, IsTheOneInTheSystemFolderOrNone) {
  ASSERT_NE(::GetModuleHandleW(L"morvane_windows_tests.exe"), nullptr);
  EXPECT_EQ(platform::SystemLibrary(L"morvane_windows_tests.exe"), nullptr);
  EXPECT_EQ(platform::SystemLibrary(L"user32.dll"), ::GetModuleHandleW(L"user32.dll"));
}

}  // namespace
}  // namespace morvane::testing
