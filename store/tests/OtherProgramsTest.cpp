// What other programs do to the data file at the moments the store reads or changes it.
#include "store/DataFileChange.h"
#include "store/FileContent.h"
#include "store/FileHandle.h"
#include "store/NotificationsDb.h"
#include "store/ReplacementFile.h"
#include "store/tests/StoreTestFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::string Before = "2031.01.01 10:00:00||before\r\n";
const std::string Theirs = "2031.02.01 10:00:00||theirs\r\n";
const std::string Added = "2031.03.01 10:00:00||added\r\n";
const std::string TeaAndOther = "2031.01.01 10:00:00||Tea\r\n2031.02.01 10:00:00||Other\r\n";

std::vector<std::wstring> ListTexts(const TNotificationsDb& db) {
    std::vector<std::wstring> texts;
    for (const TNotification& notification : ReadAllNotifications(db)) {
        texts.push_back(notification.Text);
    }
    return texts;
}

// Ticks as the program's loop would, for the given time.
void FollowFor(TNotificationsDb& db, DWORD milliseconds) {
    for (const ULONGLONG end = GetTickCount64() + milliseconds; GetTickCount64() < end; Sleep(20)) {
        db.FollowOutsideChanges();
    }
}

}  // namespace

// While a change has read the file and is writing its new one, another program saves in place,
// saves by renaming the old file to a backup (Emacs, Vim), deletes it, or puts one back where the
// change found none. Each is refused, or the change starts again from what that program wrote.
TEST(OtherProgramsTest, NothingAnotherProgramDoesDuringAChangeIsLost) {
    using TAct = std::function<bool(const std::wstring& path)>;
    const DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const struct {
        const char* Name;
        TAct Act;
        bool GoesThrough;
    } cases[] = {
        {"save in place",
         [&](const std::wstring& path) {
             return TFileHandle(CreateFileW(path.c_str(), GENERIC_WRITE, shareAll, nullptr, OPEN_EXISTING, 0, nullptr))
                 .IsValid();
         },
         false},
        {"save by rename", [](const std::wstring& path) { return MoveFileW(path.c_str(), (path + L"~").c_str()) != 0; },
         false},
        {"delete", [](const std::wstring& path) { return DeleteFileW(path.c_str()) != FALSE; }, false},
        {"put back where none was", [](const std::wstring& path) { return WriteFileContent(path, Theirs); }, true},
    };
    for (const auto& test : cases) {
        const TStoreTestFolder folder;
        const std::wstring path = folder.GetDataPath();
        ASSERT_TRUE(test.GoesThrough || WriteFileContent(path, Before));
        TDataFileMemory memory;
        std::string buffer;
        bool first = true;
        bool wentThrough = false;
        TDataFileChangeResult result;
        const auto plan = [&](const TDataFileMemory& known) -> std::optional<TDataFileMemory::TChange> {
            wentThrough = std::exchange(first, false) ? test.Act(path) : wentThrough;
            return TDataFileMemory::TChange{-1, Added, known.FindDuePlace("2031.03.01 10:00:00")};
        };
        ChangeDataFile(path, memory, THolderWait::AboutTwoSeconds, buffer, plan, result);
        EXPECT_EQ(wentThrough, test.GoesThrough) << test.Name;
        EXPECT_EQ(ReadWholeFile(path), (test.GoesThrough ? Theirs : Before) + Added) << test.Name;
        EXPECT_EQ(folder.ListFileNames(), std::vector<std::wstring>{L"notifications"}) << test.Name;
    }
}

// A window holds a reminder's ID while a sync tool or a script puts the file back, or an editor
// saves it in place. Reads in those moments take no blink for the truth, and the reminder keeps
// its ID: replacing it by that ID replaces it, instead of adding a second one.
TEST(OtherProgramsTest, AReminderKeepsItsIdThroughBlinksOfTheFile) {
    struct TCase {
        const char* Name;
        std::function<void(const std::wstring& path, TNotificationsDb& db)> Disturb;
    };
    const TCase cases[] = {
        {"missing for a second",
         [](const std::wstring& path, TNotificationsDb& db) {
             ASSERT_TRUE(DeleteFileW(path.c_str()));
             FollowFor(db, 1000);
             EXPECT_EQ(ListTexts(db), (std::vector<std::wstring>{L"Tea", L"Other"}));
             ASSERT_TRUE(WriteFileContent(path, TeaAndOther));
             FollowFor(db, 300);
         }},
        {"saved in place slowly",
         [](const std::wstring& path, TNotificationsDb& db) {
             TFileHandle editor(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
             ASSERT_TRUE(editor.IsValid());
             DWORD written = 0;
             ASSERT_TRUE(WriteFile(editor.Get(), TeaAndOther.data(), 23, &written, nullptr));
             FollowFor(db, 500);
             EXPECT_EQ(ListTexts(db), (std::vector<std::wstring>{L"Tea", L"Other"}));
             ASSERT_TRUE(WriteFile(editor.Get(), TeaAndOther.data() + 23, static_cast<DWORD>(TeaAndOther.size() - 23),
                                   &written, nullptr));
             editor.Close();
             FollowFor(db, 300);
         }},
    };
    for (const TCase& test : cases) {
        const TStoreTestFolder folder;
        const std::wstring path = folder.GetDataPath();
        ASSERT_TRUE(WriteFileContent(path, TeaAndOther));
        TNotificationsDb db(path);
        const std::int32_t tea = db.GetEarliestNotification().Id;
        test.Disturb(path, db);
        EXPECT_EQ(db.GetNotification(tea).Text, L"Tea") << test.Name;
        db.ReplaceNotification(tea, TNotification("2031.01.01 10:00:00", L"Coffee"));
        EXPECT_EQ(ListTexts(db), (std::vector<std::wstring>{L"Coffee", L"Other"})) << test.Name;
    }
}

// The list and the tooltip hear of lines another program wrote also when the change that read
// them fails.
TEST(OtherProgramsTest, WhatAFailedChangeReadIsToldAllTheSame) {
    const TStoreTestFolder folder;
    const std::wstring path = folder.GetDataPath();
    ASSERT_TRUE(WriteFileContent(path, Before));
    TNotificationsDb db(path);
    int calls = 0;
    const TNotificationsDb::TWatcher watcher(db, [&calls] { ++calls; });
    ASSERT_TRUE(ReplaceFileContent(path, Before + Theirs));
    const std::wstring blocker = TReplacementFile::MakeNewFilePath(path);
    ASSERT_TRUE(CreateDirectoryW(blocker.c_str(), nullptr));
    EXPECT_THROW(db.AddNotification(TNotification("2031.03.01 10:00:00", L"added")), std::runtime_error);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(ListTexts(db), (std::vector<std::wstring>{L"before", L"theirs"}));
    ASSERT_TRUE(RemoveDirectoryW(blocker.c_str()));
}
