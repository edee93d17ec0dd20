#include "store/FileContent.h"
#include "store/FileHandle.h"
#include "store/FileOperations.h"
#include "store/NotificationsDb.h"
#include "store/SoundFileName.h"
#include "store/ReplacementFile.h"
#include "store/tests/StoreTestFolder.h"
#include "tests/support/ImportReplacement.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

const std::string OriginalContent = "2011.05.05 22:00:00|SOUND|with sound\r\n2011.06.05 22:00:00||www\r\n";

// A store of two reminders, the first with a sound, on which a change is made to fail.
class TFailingChangeTest : public testing::Test {
protected:
    void SetUp() override {
        std::string content = OriginalContent;
        const std::wstring soundFile = DataPath + L".sound.0";
        content.replace(content.find("SOUND"), 5, std::string(soundFile.begin(), soundFile.end()));
        ASSERT_TRUE(WriteFileContent(DataPath, content));
        ASSERT_TRUE(WriteFileContent(soundFile, "voice"));
        ASSERT_TRUE(WriteFileContent(Folder.GetFilePath(L"recorded.pcm"), "new voice"));
        Db = std::make_unique<TNotificationsDb>(DataPath);
        Watcher = std::make_unique<TNotificationsDb::TWatcher>(*Db, [this] { ++WatcherCalls; });
        Earliest = Db->GetEarliestNotification();
        Content = ReadWholeFile(DataPath);
        Files = Folder.ListFileNames();
    }

    void ExpectFailure(const std::function<void()>& change, const std::string& failure) {
        try {
            change();
            ADD_FAILURE() << "the change did not fail";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()), "TNotificationsDb: " + failure);
        }
    }

    // Files, IDs and watchers are as they were before the failed changes.
    void ExpectNothingChanged() {
        EXPECT_EQ(ReadWholeFile(DataPath), Content);
        EXPECT_EQ(ReadWholeFile(DataPath + L".sound.0"), "voice");
        EXPECT_EQ(Folder.ListFileNames(), Files);
        EXPECT_EQ(WatcherCalls, 0);
        EXPECT_EQ(Db->GetNotification(0).Text, L"with sound");
        EXPECT_EQ(Db->GetNotification(1).Text, L"www");
        EXPECT_EQ(Earliest.Text, L"with sound");
        EXPECT_EQ(Db->GetEarliestNotification(), Earliest);
    }

    TNotification MakeNewWithSound() const {
        TNotification notification("2011.05.20 00:00:00", L"new");
        notification.SoundFile = Folder.GetFilePath(L"recorded.pcm");
        return notification;
    }

    const TStoreTestFolder Folder;
    const std::wstring DataPath = Folder.GetDataPath();
    std::unique_ptr<TNotificationsDb> Db;
    std::unique_ptr<TNotificationsDb::TWatcher> Watcher;
    int WatcherCalls = 0;
    std::string Content;
    TNotification Earliest;
    std::vector<std::wstring> Files;
};

}  // namespace

TEST_F(TFailingChangeTest, ReplaceBlockedByAFileHolderThatSharesNoDeletion) {
    {
        const TFileHandle holder(CreateFileW(DataPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder.IsValid());
        const std::string failure = "unable to read the data file";
        const std::vector<std::function<void()>> changes{[this] { Db->AddNotification(MakeNewWithSound()); },
                                                         [this] { Db->DeleteNotification(0); },
                                                         [this] { Db->RemoveEarliestNotification(); }};
        for (const auto& change : changes) {
            // The holder may let go in a moment: the change waits about two seconds for it.
            const ULONGLONG start = GetTickCount64();
            ExpectFailure(change, failure);
            const ULONGLONG elapsed = GetTickCount64() - start;
            EXPECT_GE(elapsed, 1900u);
            EXPECT_LE(elapsed, 3000u);
        }
    }
    ExpectNothingChanged();
}

TEST_F(TFailingChangeTest, AFileHeldForHalfASecondOnlyDelaysTheChange) {
    TFileHandle holder(CreateFileW(DataPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder.IsValid());
    std::thread releaser([&holder] {
        Sleep(500);
        holder.Close();
    });
    int added = -1;
    EXPECT_NO_THROW(added = Db->AddNotification(MakeNewWithSound()));
    releaser.join();
    ASSERT_EQ(added, 2);
    EXPECT_EQ(Db->GetNotification(added).Text, L"new");
    EXPECT_EQ(ReadAllNotifications(*Db).size(), 3u);
    EXPECT_EQ(WatcherCalls, 1);
}

TEST_F(TFailingChangeTest, DataFileThatCannotBeRead) {
    {
        const TFileHandle holder(
            CreateFileW(DataPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder.IsValid());
        // Were it read as empty, the change would write away both reminders.
        const std::string failure = "unable to read the data file";
        ExpectFailure([this] { Db->AddNotification(MakeNewWithSound()); }, failure);
        ExpectFailure([this] { Db->DeleteNotification(1); }, failure);
        ExpectFailure([this] { Db->RemoveEarliestNotification(); }, failure);
    }
    ExpectNothingChanged();
}

TEST_F(TFailingChangeTest, NewDataFileThatCannotBeCreated) {
    const std::wstring blocker = TReplacementFile::MakeNewFilePath(DataPath);
    ASSERT_TRUE(CreateDirectoryW(blocker.c_str(), nullptr));
    const std::string failure = "unable to create the new data file";
    ExpectFailure([this] { Db->AddNotification(MakeNewWithSound()); }, failure);
    ExpectFailure([this] { Db->DeleteNotification(0); }, failure);
    ExpectFailure([this] { Db->RemoveEarliestNotification(); }, failure);
    ExpectFailure([this] { Db->RescheduleEarliestNotification("2011.07.01 00:00:00", "every 1 day"); }, failure);
    ASSERT_TRUE(RemoveDirectoryW(blocker.c_str()));
    ExpectNothingChanged();
}

TEST_F(TFailingChangeTest, SucceedsOnceTheObstacleIsGone) {
    {
        const TFileHandle holder(CreateFileW(DataPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_THROW(Db->AddNotification(MakeNewWithSound()), std::runtime_error);
    }
    // The failed add took no ID and left no sound copy behind, so it gets both again.
    EXPECT_EQ(Db->AddNotification(MakeNewWithSound()), 2);
    EXPECT_TRUE(IsStoreSoundFileName(DataPath, Db->GetNotification(2).SoundFile));
    EXPECT_EQ(ReadWholeFile(Db->GetNotification(2).SoundFile), "new voice");
    EXPECT_EQ(WatcherCalls, 1);
}

// A plain editor saves the data file in place: it truncates it, writes, and closes a moment later.
// A change made meanwhile waits for it and is made on what it wrote: both are kept.
TEST(NotificationsDbFailureTest, AChangeMadeWhileAnEditorSavesInPlaceKeepsBoth) {
    const TStoreTestFolder folder;
    const std::wstring path = folder.GetDataPath();
    ASSERT_TRUE(WriteFileContent(path, "2011.05.01 10:00:00||before the editor saved\r\n"));
    TNotificationsDb db(path);
    TFileHandle editor(
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(editor.IsValid());
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(editor.Get(), "2011.05.02 10:00:00||edi", 24, &written, nullptr));
    std::thread finisher([&editor, &written] {
        Sleep(300);
        WriteFile(editor.Get(), "ted\r\n", 5, &written, nullptr);
        editor.Close();
    });
    EXPECT_NO_THROW(db.AddNotification(TNotification("2011.05.03 10:00:00", L"added")));
    finisher.join();
    EXPECT_EQ(ReadWholeFile(path), "2011.05.02 10:00:00||edited\r\n2011.05.03 10:00:00||added\r\n");
}

TEST(NotificationsDbFailureTest, DataPathThatIsAFolder) {
    const TStoreTestFolder folder;
    const std::wstring dataPath = folder.GetDataPath();
    ASSERT_TRUE(CreateDirectoryW(dataPath.c_str(), nullptr));
    TNotificationsDb db(dataPath);
    EXPECT_FALSE(db.Begin().IsValid());
    try {
        db.AddNotification(TNotification("2011.05.05 22:00:00", L"x"));
        ADD_FAILURE() << "the add did not fail";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()).rfind("TNotificationsDb: ", 0), 0u) << error.what();
    }
    EXPECT_EQ(folder.ListFileNames(), std::vector<std::wstring>());
    EXPECT_EQ(GetFileAttributesW(dataPath.c_str()) & FILE_ATTRIBUTE_DIRECTORY, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST(NotificationsDbFailureTest, FullDisk) {
    // The build links the new data file's name in this folder to /dev/full, where every write
    // fails as on a full disk.
    const std::wstring folder = GetProgramFolder() + L"\\full_disk";
    const std::wstring dataPath = folder + L"\\notifications";
    if (!FileExists(TReplacementFile::MakeNewFilePath(dataPath))) {
        GTEST_SKIP() << "no full device here";
    }
    const std::string content = "2011.05.05 22:00:00||kept\r\n";
    ASSERT_TRUE(WriteFileContent(dataPath, content));
    {
        TNotificationsDb db(dataPath);
        int calls = 0;
        const TNotificationsDb::TWatcher watcher(db, [&calls] { ++calls; });
        try {
            db.AddNotification(TNotification("2011.05.06 22:00:00", L"lost"));
            ADD_FAILURE() << "the add did not fail";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()), "TNotificationsDb: unable to write the new data file");
        }
        EXPECT_EQ(calls, 0);
        EXPECT_EQ(ReadWholeFile(dataPath), content);
        EXPECT_EQ(db.GetEarliestNotification().Text, L"kept");
    }
    RemoveFile(dataPath);
}

TEST(NotificationsDbFailureTest, LeftoverOfAKilledChangeIsNeverRead) {
    const TStoreTestFolder folder;
    const std::wstring leftover = TReplacementFile::MakeNewFilePath(folder.GetDataPath());
    ASSERT_TRUE(WriteFileContent(leftover, "2011.01.01 00:00:00||half writ"));
    TNotificationsDb db(folder.GetDataPath());
    EXPECT_FALSE(db.Begin().IsValid());
    db.AddNotification(TNotification("2011.05.05 22:00:00", L"x"));
    EXPECT_EQ(ReadWholeFile(folder.GetDataPath()), "2011.05.05 22:00:00||x\r\n");
    EXPECT_EQ(folder.ListFileNames(), std::vector<std::wstring>({L"notifications"}));
}

namespace {

decltype(&FlushFileBuffers) RealFlushFileBuffers = nullptr;
decltype(&MoveFileExW) RealMoveFileExW = nullptr;
std::vector<std::wstring> FileCalls;

BOOL WINAPI NotedFlushFileBuffers(HANDLE file) {
    FileCalls.push_back(L"flush");
    return RealFlushFileBuffers(file);
}

BOOL WINAPI NotedMoveFileExW(LPCWSTR from, LPCWSTR to, DWORD flags) {
    FileCalls.push_back(std::wstring(L"move ") + from + L" to " + to);
    return RealMoveFileExW(from, to, flags);
}

decltype(&WaitForSingleObject) RealWaitForSingleObject = nullptr;

DWORD WINAPI NothingSignalled(HANDLE, DWORD) { return WAIT_TIMEOUT; }

}  // namespace

// A power cut right after the move must find the new file's content on the disk, not an empty file.
TEST(NotificationsDbFailureTest, EachChangeFlushesTheNewFileBeforeItTakesTheDataFilesPlace) {
    const TStoreTestFolder folder;
    const std::wstring path = folder.GetDataPath();
    TNotificationsDb db(path);
    const std::int32_t first = db.AddNotification(TNotification("2011.05.05 22:00:00", L"qqq"));
    const TImportReplacement<decltype(&FlushFileBuffers)> flush("FlushFileBuffers", &NotedFlushFileBuffers,
                                                                 RealFlushFileBuffers);
    const TImportReplacement<decltype(&MoveFileExW)> move("MoveFileExW", &NotedMoveFileExW, RealMoveFileExW);
    const std::function<void()> changes[] = {[&] { db.AddNotification(TNotification("2011.07.05 22:00:00", L"e")); },
                                             [&] { db.DeleteNotification(first); },
                                             [&] { db.RescheduleEarliestNotification("2011.08.05 22:00:00", ""); },
                                             [&] { db.RemoveEarliestNotification(); }};
    for (const auto& change : changes) {
        FileCalls.clear();
        change();
        EXPECT_EQ(FileCalls, std::vector<std::wstring>({L"flush", L"move " + TReplacementFile::MakeNewFilePath(path) + L" to " + path}));
    }
}

// The notification of a change in the folder can come late, or never on some file systems: a
// change made before it finds its reminder by its line all the same.
TEST(NotificationsDbFailureTest, AChangeFindsItsReminderInAFileChangedUnseen) {
    const TStoreTestFolder folder;
    TNotificationsDb db(folder.GetDataPath());
    const std::int32_t later = db.AddNotification(TNotification("2011.05.17 10:00:00", L"later"));
    const TImportReplacement<decltype(&WaitForSingleObject)> unseen("WaitForSingleObject", &NothingSignalled,
                                                                    RealWaitForSingleObject);
    ASSERT_TRUE(WriteFileContent(folder.GetDataPath(), "2011.05.16 22:00:00||added\r\n2011.05.17 10:00:00||later\r\n"));
    db.DeleteNotification(later);
    EXPECT_EQ(ReadWholeFile(folder.GetDataPath()), "2011.05.16 22:00:00||added\r\n");
    EXPECT_EQ(db.GetEarliestNotification().Text, L"added");
}
