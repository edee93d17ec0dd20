#include "store/ConflictCopyName.h"
#include "store/SyncSkippedName.h"

#include <gtest/gtest.h>

#include <string>

TEST(ConflictCopyNameTest, KnowsEachServicesCopiesAndNothingElse) {
    const struct {
        const wchar_t* Name;
        bool IsCopy;
    } cases[] = {
        {L"notifications.sync-conflict-20261208-101500-ABCDEFG", true},
        {L"Notifications.sync-conflict-20261208-101500-7Q2Z3XY", true},
        {L"notifications (Anna's conflicted copy 2026-12-08)", true},
        {L"notifications (DESKTOP-1's conflicted copy 2026-12-08 (2))", true},
        {L"notifications (conflicted copy 2026-12-08 101500)", true},
        {L"notifications (conflicted copy anna 2026-12-08 101500)", true},
        {L"notifications_conflict-20261208-101500", true},
        {L"notifications_conflict_anna-20261208-101500", true},
        {L"notifications-LAPTOP-7H2K", true},
        {L"notifications-laptop-7h2k-2", true},
        // A person's names, other files, and temporary files of the program and the services.
        {L"notifications", false},
        {L"notifications.bak", false},
        {L"notifications-old", false},
        {L"notifications (copy)", false},
        {L"notifications - Copy", false},
        {L"notifications (1)", false},
        {L"notifications.sound.3", false},
        {L"notifications.sync-conflict-20261208-101500-ABCDEF", false},
        {L"notifications.sync-conflict-2026120-101500-ABCDEFG", false},
        {L"notifications.sync-conflict-20261208-101500-ABCDEFG.tmp", false},
        {L"notifications (Anna's conflicted copy 2026-12-8)", false},
        {L"notifications (conflicted copy 2026-12-08 1015)", false},
        {L"notifications (conflicted copy (anna) 2026-12-08 101500)", false},
        {L"notifications-LAPTOP-7H2K-0", false},
        {L"notifications-LAPTOP-7H2KX", false},
        {L"hotkeys.sync-conflict-20261208-101500-ABCDEFG", false},
        {L".syncthing.notifications.tmp", false},
        {L"~syncthing~notifications.tmp", false},
        {L".syncthing.notifications.sync-conflict-20261208-101500-ABCDEFG.tmp", false},
        {L"~$notifications.replacement.tmp", false},
        {L"~$notifications.replaced.tmp", false},
    };
    for (const auto& entry : cases) {
        EXPECT_EQ(IsConflictCopyName(entry.Name, L"notifications", L"LAPTOP-7H2K"), entry.IsCopy) << std::wstring(entry.Name).c_str();
    }
    // Without this PC's name no hyphenated name is a copy.
    EXPECT_FALSE(IsConflictCopyName(L"notifications-", L"notifications", L""));
}

TEST(ConflictCopyNameTest, SideFilesAreSkippedByTheServicesAndNeverACopy) {
    for (const TSideFile kind : {TSideFile::Replacement, TSideFile::Replaced}) {
        const std::wstring name = MakeSideFileName(L"notifications", kind);
        EXPECT_EQ(name.rfind(L"~$notifications.", 0), 0u);
        EXPECT_TRUE(IsTransientSideFileName(name));
        EXPECT_FALSE(IsConflictCopyName(name, L"notifications", L"PC"));
    }
    EXPECT_NE(MakeSideFileName(L"notifications", TSideFile::Replacement), MakeSideFileName(L"notifications", TSideFile::Replaced));
    EXPECT_FALSE(IsTransientSideFileName(L"notifications"));
}
