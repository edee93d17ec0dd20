#include "store/SelfTest.h"

#include "store/DirectoryIterator.h"
#include "store/FileContent.h"
#include "store/FileOperations.h"
#include "store/NotificationsDb.h"
#include "store/Stopwatch.h"
#include "store/TemporaryFile.h"

#include <iostream>
#include <utility>
#include <vector>

namespace {

using TDatedTexts = std::vector<std::pair<TDateTimeText, std::wstring>>;

const wchar_t* const EmptyDataFile = L"TestFiles/empty_notifications.txt";
const wchar_t* const DataFile = L"TestFiles/notifications.txt";
const wchar_t* const ScratchDataFile = L"TestFiles/temp";
const wchar_t* const ScratchSoundFile = L"TestFiles/sound";

void Check(bool condition, const wchar_t* failure) {
    if (!condition) {
        throw TTestFailure{failure};
    }
}

TDatedTexts CollectDatedTexts(const TNotificationsDb& db) {
    TDatedTexts collected;
    for (TNotificationsDb::TIterator iterator = db.Begin(); iterator.IsValid(); iterator.Next()) {
        const TNotification current = iterator.Current();
        collected.emplace_back(current.Date, current.Text);
    }
    return collected;
}

int CountTestFiles() {
    int count = 0;
    for (TDirectoryIterator file(L"TestFiles", L"*", false); file.IsValid(); file.Next()) {
        ++count;
    }
    return count;
}

void CheckEmptyStore() {
    const TNotification earliest = TNotificationsDb(EmptyDataFile).GetEarliestNotification();
    Check(earliest.Date.empty() && earliest.Text.empty(), L"non-empty earliest notification for empty DB");
}

void CheckReading() {
    const TNotification earliest = TNotificationsDb(DataFile).GetEarliestNotification();
    Check(earliest.Date == "2011.05.16 22:53:00", L"incorrect date of the earliest notification");
    Check(earliest.Text == L"text", L"incorrect text of the earliest notification");
}

void CheckRemoving() {
    const TTemporaryFile file(ScratchDataFile);
    DuplicateFile(DataFile, file.GetPath());
    TNotificationsDb db(file.GetPath());
    db.RemoveEarliestNotification();
    Check(db.GetEarliestNotification().Date.empty(), L"deleting failed");
}

void CheckDueTest() {
    const TNotificationsDb db(DataFile);
    Check(db.IsNotificationHappening("2011.06.01 00:00:00"), L"false not-happening");
    Check(!db.IsNotificationHappening("2011.05.01 12:12:12"), L"false happening");
}

void CheckAddingIteratingAndDeleting() {
    const TTemporaryFile file(ScratchDataFile);
    TNotificationsDb db(file.GetPath());
    const std::int32_t qqq = db.AddNotification(TNotification("2011.05.05 22:00:00", L"qqq"));
    db.AddNotification(TNotification("2011.06.05 22:00:00", L"www"));
    const wchar_t* const wrongEarliest = L"incorrect result earliest notification after addition";
    Check(db.GetEarliestNotification().Text == L"qqq", wrongEarliest);
    db.AddNotification(TNotification("2011.05.04 22:00:00", L"eee"));
    Check(db.GetEarliestNotification().Text == L"eee", wrongEarliest);

    const TDatedTexts all = {
        {"2011.05.04 22:00:00", L"eee"}, {"2011.05.05 22:00:00", L"qqq"}, {"2011.06.05 22:00:00", L"www"}};
    Check(CollectDatedTexts(db) == all, L"unexpected result of iterations");

    db.DeleteNotification(qqq);
    const TDatedTexts remaining = {{"2011.05.04 22:00:00", L"eee"}, {"2011.06.05 22:00:00", L"www"}};
    Check(CollectDatedTexts(db) == remaining, L"incorrect content after deleting");
    const TNotification deleted = db.GetNotification(qqq);
    Check(deleted.Date.empty() && deleted.Text.empty(), L"deleting by ID failed");
}

void CheckWatchers() {
    const TTemporaryFile file(ScratchDataFile);
    TNotificationsDb db(file.GetPath());
    int calls = 0;
    {
        const TNotificationsDb::TWatcher watcher(db, [&calls] { ++calls; });
        db.AddNotification(TNotification("2011.05.05 22:00:00", L"qqq"));
        db.AddNotification(TNotification("2011.06.05 22:00:00", L"www"));
        Check(calls == 2, L"addition does not produce notifications");
        db.RemoveEarliestNotification();
        Check(calls == 3, L"deletion does not produce notifications");
    }
    db.RemoveEarliestNotification();
    Check(calls == 3, L"notifications are sent after watcher destruction");
}

bool HoldsCountingBytes(const std::wstring& path) {
    std::string content;
    ReadFileContent(path, content);
    for (int k = 0; k < 10; ++k) {
        const int byte = k < static_cast<int>(content.size()) ? static_cast<unsigned char>(content[k]) : 0;
        if (byte != k) {
            return false;
        }
    }
    return true;
}

void CheckSoundFiles() {
    const TTemporaryFile file(ScratchDataFile);
    int filesBefore = 0;
    {
        TNotificationsDb db(file.GetPath());
        db.AddNotification(TNotification("2011.06.28 21:08:00", L"text2"));
        filesBefore = CountTestFiles();
        const TTemporaryFile sound(ScratchSoundFile);
        WriteFileContent(sound.GetPath(), std::string("\0\1\2\3\4\5\6\7\x8\x9", 10));
        TNotification withSound("2011.06.27 21:08:00", L"text");
        withSound.SoundFile = sound.GetPath();
        db.AddNotification(withSound);
    }
    TNotificationsDb db(file.GetPath());
    TNotificationsDb::TIterator iterator = db.Begin();
    const std::wstring soundFile = iterator.Current().SoundFile;
    Check(!soundFile.empty(), L"sound file has been lost during addition/extraction");
    Check(HoldsCountingBytes(soundFile), L"content of sound file has been changed during addition/extraction");
    iterator.Next();
    Check(iterator.Current().SoundFile.empty(), L"sound file appeared during addition/extraction");
    db.RemoveEarliestNotification();
    Check(CountTestFiles() == filesBefore, L"DB pollutes its directory with unused files");
}

}  // namespace

void TestNotificationsDb() {
    try {
        CheckEmptyStore();
        CheckReading();
        CheckRemoving();
        CheckDueTest();
        CheckAddingIteratingAndDeleting();
        CheckWatchers();
        CheckSoundFiles();
    } catch (const TTestFailure& failure) {
        throw TTestFailure{L"TNotificationsDb: " + failure.Message};
    }
}

bool RunSelfTest() {
    const TStopwatch stopwatch;
    try {
        TestNotificationsDb();
    } catch (const TTestFailure& failure) {
        std::wcout << L"test failure: " << failure.Message << std::endl;
        return false;
    }
    std::wcout << L"OK" << std::endl;
    std::wcout << stopwatch.GetElapsedSeconds() << std::endl;
    return true;
}
