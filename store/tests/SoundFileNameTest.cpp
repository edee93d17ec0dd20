#include "store/SoundFileName.h"

#include <gtest/gtest.h>

TEST(SoundFileNameTest, AppendsTheNumberWithoutPadding) {
    EXPECT_EQ(MakeSoundFileName(L"C:\\d\\notifications", 0), L"C:\\d\\notifications.sound.0");
    EXPECT_EQ(MakeSoundFileName(L"C:\\d\\notifications", 1048575), L"C:\\d\\notifications.sound.1048575");
}

TEST(SoundFileNameTest, KnowsOnlyItsOwnNames) {
    const std::wstring store = L"C:\\d\\notifications";
    EXPECT_TRUE(IsStoreSoundFileName(store, MakeSoundFileName(store, 12)));
    EXPECT_TRUE(IsStoreSoundFileName(store, store + L".sound.007"));
    EXPECT_FALSE(IsStoreSoundFileName(store, store));
    EXPECT_FALSE(IsStoreSoundFileName(store, store + L".sound."));
    EXPECT_FALSE(IsStoreSoundFileName(store, store + L".sound.1x"));
    EXPECT_FALSE(IsStoreSoundFileName(store, store + L".sound.1\\..\\..\\x"));
    EXPECT_FALSE(IsStoreSoundFileName(store, L"C:\\d\\other.sound.1"));
    EXPECT_FALSE(IsStoreSoundFileName(store, L"C:\\Windows\\win.ini"));
    EXPECT_FALSE(IsStoreSoundFileName(store, L""));
    EXPECT_FALSE(IsStoreSoundFileName(L"", L".sound.1"));
}
