#include "ui/SystemLibrary.h"

#include <gtest/gtest.h>

namespace {

const wchar_t PlantedLibraryName[] = L"nudgely_planted.dll";

}  // namespace

TEST(SystemLibrary, ComesFromTheSystemFolderAndNeverFromTheProgramFolder) {
    const TSystemLibrary planted(PlantedLibraryName);
    EXPECT_FALSE(planted.IsLoaded());
    EXPECT_EQ(planted.GetFunction<void (*)()>("PlantedLibraryMark"), nullptr);

    const TSystemLibrary winmm(L"winmm.dll");
    ASSERT_TRUE(winmm.IsLoaded());
    EXPECT_NE(winmm.GetFunction<void (*)()>("waveOutOpen"), nullptr);
    EXPECT_EQ(winmm.GetFunction<void (*)()>("NoSuchFunction"), nullptr);
}

TEST(SystemLibrary, TheRestrictedSearchSkipsTheProgramFolderForEveryLoad) {
    // Found beside the program before, so the refusal afterwards comes from the restriction.
    const HMODULE before = LoadLibraryW(PlantedLibraryName);
    ASSERT_NE(before, nullptr) << "the planted library is not beside the test";
    FreeLibrary(before);

    ASSERT_TRUE(RestrictLibrarySearchToSystemFolder());
    EXPECT_EQ(LoadLibraryW(PlantedLibraryName), nullptr);
    const HMODULE system = LoadLibraryW(L"hhctrl.ocx");
    EXPECT_NE(system, nullptr);
    FreeLibrary(system);
}
