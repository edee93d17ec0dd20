#include "ui/SystemLibrary.h"

#include <gtest/gtest.h>

// The planted library lies beside the test program, where a load by name alone finds it first.
TEST(SystemLibrary, LoadsComeFromTheSystemFolderAndNeverFromTheProgramFolder) {
    const wchar_t planted[] = L"nudgely_planted.dll";
    const HMODULE found = LoadLibraryW(planted);
    ASSERT_NE(found, nullptr) << "the planted library is not beside the test";
    FreeLibrary(found);

    EXPECT_FALSE(TSystemLibrary(planted).IsLoaded());
    const TSystemLibrary winmm(L"winmm.dll");
    EXPECT_NE(winmm.GetFunction<void (*)()>("waveOutOpen"), nullptr);

    ASSERT_TRUE(RestrictLibrarySearchToSystemFolder());
    EXPECT_EQ(LoadLibraryW(planted), nullptr);
}
