// The version that Explorer, Task Manager and the list of installed programs show comes from the
// project's one version number.
#include "packaging/tests/VersionResource.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionInfo, TheProgramNamesItselfAndCarriesTheProjectVersion) {
    const std::wstring program = NUDGELY_EXE_PATH;
    EXPECT_EQ(ReadVersionString(program, L"ProductName"), L"Nudgely");
    EXPECT_EQ(ReadVersionString(program, L"FileDescription"), L"Nudgely reminders");
    EXPECT_EQ(ReadVersionString(program, L"OriginalFilename"), L"nudgely.exe");
    EXPECT_EQ(ReadVersionString(program, L"ProductVersion"), NUDGELY_VERSION);
    EXPECT_EQ(ReadVersionString(program, L"FileVersion"), NUDGELY_VERSION);
    EXPECT_EQ(ReadFixedFileVersion(program), NUDGELY_VERSION_QUAD);
}

}  // namespace
