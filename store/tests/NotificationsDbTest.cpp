#include "store/FileContent.h"
#include "store/FileOperations.h"
#include "store/NotificationsDb.h"
#include "store/SoundFileName.h"
#include "store/Utf8Text.h"
#include "store/tests/StoreTestFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

std::vector<std::wstring> ListTexts(const TNotificationsDb& db) {
    std::vector<std::wstring> texts;
    for (const TNotification& notification : ReadAllNotifications(db)) {
        texts.push_back(notification.Text);
    }
    return texts;
}

TNotification MakeNotification(const TDateTimeText& date, const std::wstring& text, const std::wstring& sound = L"") {
    TNotification notification(date, text);
    notification.SoundFile = sound;
    return notification;
}

}  // namespace

TEST(NotificationsDbTest, MissingOrEmptyDataFileIsAnEmptyStore) {
    const TStoreTestFolder folder;
    WriteFileContent(folder.GetFilePath(L"empty"), "");
    for (const std::wstring& path :
         {folder.GetDataPath(), folder.GetFilePath(L"empty"), folder.GetFilePath(L"missing\\notifications")}) {
        TNotificationsDb db(path);
        int calls = 0;
        const TNotificationsDb::TWatcher watcher(db, [&calls] { ++calls; });
        EXPECT_EQ(db.GetEarliestNotification(), TNotification());
        EXPECT_FALSE(db.IsNotificationHappening("9999.12.31 23:59:59"));
        EXPECT_FALSE(db.Begin().IsValid());
        db.RemoveEarliestNotification();
        EXPECT_EQ(calls, 0);
    }
    EXPECT_EQ(folder.ListFileNames(), std::vector<std::wstring>({L"empty"}));
    TNotificationsDb db(folder.GetDataPath());
    EXPECT_EQ(db.AddNotification(TNotification("2011.05.16 22:53:00", L"text")), 0);
    EXPECT_EQ(ReadWholeFile(folder.GetDataPath()), "2011.05.16 22:53:00||text\r\n");
}

TEST(NotificationsDbTest, ReadsARecordAndTellsWhenItIsDue) {
    const TStoreTestFolder folder;
    WriteFileContent(folder.GetDataPath(), "2011.05.16 22:53:00||text");
    const TNotificationsDb db(folder.GetDataPath());
    TNotification expected("2011.05.16 22:53:00", L"text");
    expected.Id = 0;
    EXPECT_EQ(db.GetEarliestNotification(), expected);
    EXPECT_EQ(db.GetNotification(0), expected);
    EXPECT_EQ(db.GetNotification(1), TNotification());
    EXPECT_EQ(db.GetNotification(-1), TNotification());
    EXPECT_TRUE(db.IsNotificationHappening("2011.06.01 00:00:00"));
    EXPECT_TRUE(db.IsNotificationHappening("2011.05.16 22:53:00"));
    EXPECT_FALSE(db.IsNotificationHappening("2011.05.16 22:52:59"));
    EXPECT_FALSE(db.IsNotificationHappening("2011.05.01 12:12:12"));
}

// A window holding the ID of a reminder that went can never reach a newer one.
TEST(NotificationsDbTest, KeepsDueOrderAndNeverGivesAnIdTwice) {
    const TStoreTestFolder folder;
    TNotificationsDb db(folder.GetDataPath());
    EXPECT_EQ(db.AddNotification(TNotification("2011.05.05 22:00:00", L"qqq")), 0);
    EXPECT_EQ(db.AddNotification(TNotification("2011.06.05 22:00:00", L"www")), 1);
    EXPECT_EQ(db.GetEarliestNotification().Text, L"qqq");
    EXPECT_EQ(db.AddNotification(TNotification("2011.05.04 22:00:00", L"eee")), 2);
    EXPECT_EQ(db.GetEarliestNotification().Text, L"eee");
    EXPECT_EQ(ListTexts(db), std::vector<std::wstring>({L"eee", L"qqq", L"www"}));
    EXPECT_EQ(db.GetNotification(1).Text, L"www");

    db.DeleteNotification(0);
    EXPECT_EQ(ListTexts(db), std::vector<std::wstring>({L"eee", L"www"}));
    EXPECT_EQ(db.GetNotification(0), TNotification());
    EXPECT_EQ(db.GetNotification(2).Text, L"eee");
    EXPECT_EQ(db.AddNotification(TNotification("2011.07.01 00:00:00", L"rrr")), 3);
    EXPECT_EQ(db.GetNotification(0), TNotification());
    EXPECT_EQ(ReadWholeFile(folder.GetDataPath()),
              "2011.05.04 22:00:00||eee\r\n2011.06.05 22:00:00||www\r\n2011.07.01 00:00:00||rrr\r\n");
}

TEST(NotificationsDbTest, PutsANewReminderBeforeThoseDueAtTheSameTime) {
    const TStoreTestFolder folder;
    TNotificationsDb db(folder.GetDataPath());
    db.AddNotification(TNotification("2011.05.05 22:00:00", L"first"));
    db.AddNotification(TNotification("2011.05.05 22:00:00", L"second"));
    db.AddNotification(TNotification("2011.05.01 22:00:00", L"earlier"));
    db.AddNotification(TNotification("2011.05.05 22:00:00", L"third"));
    EXPECT_EQ(ListTexts(db), std::vector<std::wstring>({L"earlier", L"third", L"second", L"first"}));
    const std::vector<TNotification> all = ReadAllNotifications(db);
    EXPECT_EQ(all[1].Id, 3);
    EXPECT_EQ(all[3].Id, 0);
}

TEST(NotificationsDbTest, LeavesTheFileAloneForAnUnknownId) {
    const TStoreTestFolder folder;
    TNotificationsDb db(folder.GetDataPath());
    db.AddNotification(TNotification("2011.05.05 22:00:00", L"qqq"));
    int calls = 0;
    const TNotificationsDb::TWatcher watcher(db, [&calls] { ++calls; });
    db.DeleteNotification(5);
    db.DeleteNotification(-1);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(ListTexts(db), std::vector<std::wstring>({L"qqq"}));
}

TEST(NotificationsDbTest, CallsEachLiveWatcherOncePerChange) {
    const TStoreTestFolder folder;
    TNotificationsDb db(folder.GetDataPath());
    int firstCalls = 0;
    int secondCalls = 0;
    std::wstring seenByWatcher;
    const TNotificationsDb::TWatcher first(db, [&] {
        ++firstCalls;
        seenByWatcher = db.GetEarliestNotification().Text;
    });
    auto second = std::make_unique<TNotificationsDb::TWatcher>(db, [&secondCalls] { ++secondCalls; });
    const TNotificationsDb::TWatcher empty(db, nullptr);
    db.AddNotification(TNotification("2011.05.05 22:00:00", L"qqq"));
    EXPECT_EQ(seenByWatcher, L"qqq");
    const std::int32_t www = db.AddNotification(TNotification("2011.06.05 22:00:00", L"www"));
    db.DeleteNotification(www);
    EXPECT_EQ(firstCalls, 3);
    EXPECT_EQ(secondCalls, 3);
    second.reset();
    db.RemoveEarliestNotification();
    db.RemoveEarliestNotification();
    EXPECT_EQ(firstCalls, 4);
    EXPECT_EQ(secondCalls, 3);
    EXPECT_EQ(seenByWatcher, L"");
}

// The change notification of the data file's folder tells the store's own changes from others'
// only by the lines it finds.
TEST(NotificationsDbTest, ReportsTheChangesOfOtherProgramsOnceAndItsOwnNeverTwice) {
    const TStoreTestFolder folder;
    TNotificationsDb db(folder.GetDataPath());
    int calls = 0;
    const TNotificationsDb::TWatcher watcher(db, [&calls] { ++calls; });
    db.AddNotification(TNotification("2011.05.05 22:00:00", L"own"));
    db.FollowOutsideChanges();
    EXPECT_EQ(calls, 1);
    ASSERT_TRUE(ReplaceFileContent(folder.GetDataPath(), "2011.05.04 22:00:00||other\r\n2011.05.05 22:00:00||own\r\n"));
    db.FollowOutsideChanges();
    db.FollowOutsideChanges();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(ListTexts(db), std::vector<std::wstring>({L"other", L"own"}));
}

namespace {

std::string EncodeUtf16(const std::wstring& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const wchar_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

}  // namespace

// What other editors save: the store reads it all, follows its reminders by their IDs, takes the
// least due date for the earliest wherever its line stands, and writes every line it does not
// change back as it stood, in UTF-8 without a mark and in due order.
TEST(NotificationsDbTest, ReadsAndKeepsWhatOtherProgramsWrite) {
    const std::string mine = "2011.05.10 10:00:00||mine\r\n";
    const std::string added = "2011.05.05 10:00:00||added\r\n";
    const std::wstring tree = L"2011.05.01 10:00:00||caf\x00E9 \xD83C\xDF84\r\n2011.05.10 10:00:00||mine\r\n";
    const std::string treeInProgramForm = "2011.05.01 10:00:00||caf\xC3\xA9 \xED\xA0\xBC\xED\xBE\x84\r\n";
    const std::wstring treeText = L"caf\x00E9 \xD83C\xDF84";
    struct TCase {
        std::string Written;
        std::vector<std::wstring> Texts;
        std::string AfterAnAdd;
    };
    const TCase cases[] = {
        {"\xEF\xBB\xBF" "2011.05.01 10:00:00||marked\r\n" + mine, {L"marked", L"mine"},
         "2011.05.01 10:00:00||marked\r\n" + added + mine},
        {"\xEF\xBB\xBF\xEF\xBB\xBF" "2011.05.01 10:00:00||marked twice\r\n" + mine, {L"marked twice", L"mine"},
         "2011.05.01 10:00:00||marked twice\r\n" + added + mine},
        {EncodeUtf16(tree, false), {treeText, L"mine"}, treeInProgramForm + added + mine},
        {EncodeUtf16(tree, true), {treeText, L"mine"}, treeInProgramForm + added + mine},
        {"2011.05.01 10:00:00||caf\xC3\xA9 \xF0\x9F\x8E\x84\r\n" + mine, {treeText, L"mine"},
         "2011.05.01 10:00:00||caf\xC3\xA9 \xF0\x9F\x8E\x84\r\n" + added + mine},
        {mine + "2011.05.01 10:00:00||earlier\r\n", {L"earlier", L"mine"}, "2011.05.01 10:00:00||earlier\r\n" + added + mine},
        {"2011.05.02 10:00 call grandma\r\n" + mine, {L"mine"}, "2011.05.02 10:00 call grandma\r\n" + added + mine},
    };
    for (const TCase& test : cases) {
        const TStoreTestFolder folder;
        ASSERT_TRUE(WriteFileContent(folder.GetDataPath(), mine));
        TNotificationsDb db(folder.GetDataPath());
        const std::int32_t mineId = db.GetEarliestNotification().Id;
        int calls = 0;
        const TNotificationsDb::TWatcher watcher(db, [&calls] { ++calls; });
        ASSERT_TRUE(WriteFileContent(folder.GetDataPath(), test.Written));
        db.FollowOutsideChanges();
        EXPECT_EQ(calls, 1) << test.Written;
        EXPECT_EQ(ListTexts(db), test.Texts) << test.Written;
        EXPECT_EQ(db.GetEarliestNotification().Text, test.Texts.front()) << test.Written;
        EXPECT_EQ(db.GetNotification(mineId).Text, L"mine") << test.Written;
        db.AddNotification(TNotification("2011.05.05 10:00:00", L"added"));
        EXPECT_EQ(ReadWholeFile(folder.GetDataPath()), test.AfterAnAdd) << test.Written;
    }
}

TEST(NotificationsDbTest, NeverCallsAWatcherThatEndedDuringAnotherCallback) {
    const TStoreTestFolder folder;
    TNotificationsDb db(folder.GetDataPath());
    int calls = 0;
    std::vector<std::unique_ptr<TNotificationsDb::TWatcher>> watchers;
    // Whichever runs first ends the other; exactly one callback runs.
    watchers.push_back(std::make_unique<TNotificationsDb::TWatcher>(db, [&] {
        ++calls;
        watchers[1].reset();
    }));
    watchers.push_back(std::make_unique<TNotificationsDb::TWatcher>(db, [&] {
        ++calls;
        watchers[0].reset();
    }));
    db.AddNotification(TNotification("2011.05.05 22:00:00", L"qqq"));
    EXPECT_EQ(calls, 1);
}

TEST(NotificationsDbTest, TextsSurviveAWriteAndARead) {
    const TStoreTestFolder folder;
    std::wstring unusual = L"a|b||c \x00E9\x00DF\x4E2D\x6587 ";
    unusual += static_cast<wchar_t>(0xD83D);
    unusual += static_cast<wchar_t>(0xDE00);
    unusual += L" end|";
    {
        TNotificationsDb db(folder.GetDataPath());
        db.AddNotification(TNotification("2011.05.05 22:00:00", unusual));
        db.AddNotification(TNotification("2011.05.06 22:00:00", L""));
    }
    const TNotificationsDb reopened(folder.GetDataPath());
    EXPECT_EQ(ListTexts(reopened), std::vector<std::wstring>({unusual, L""}));
}

TEST(NotificationsDbTest, StoresLineBreaksInATextAsSpaces) {
    const TStoreTestFolder folder;
    TNotificationsDb db(folder.GetDataPath());
    db.AddNotification(TNotification("2011.05.05 22:00:00", L"one\r\n2011.01.01 00:00:00||injected\ntwo\r"));
    const std::int32_t last = db.AddNotification(TNotification("2011.06.05 22:00:00", L"last"));
    EXPECT_EQ(ListTexts(db), std::vector<std::wstring>({L"one  2011.01.01 00:00:00||injected two ", L"last"}));
    EXPECT_EQ(db.GetNotification(last).Text, L"last");
}

TEST(NotificationsDbTest, RejectsADueDateThatCannotBeStored) {
    const TStoreTestFolder folder;
    TNotificationsDb db(folder.GetDataPath());
    db.AddNotification(TNotification("2011.05.05 22:00:00", L"kept"));
    for (const TDateTimeText& date : {TDateTimeText(), TDateTimeText("2011|05"), TDateTimeText("2011\n05")}) {
        EXPECT_THROW(db.AddNotification(TNotification(date, L"x")), std::invalid_argument);
    }
    EXPECT_EQ(ReadWholeFile(folder.GetDataPath()), "2011.05.05 22:00:00||kept\r\n");
    EXPECT_EQ(db.AddNotification(TNotification("2011.05.06 22:00:00", L"next")), 1);
}

TEST(NotificationsDbTest, RejectsARuleThatCannotBeStored) {
    const TStoreTestFolder folder;
    TNotificationsDb db(folder.GetDataPath());
    db.AddNotification(TNotification("2011.05.05 22:00:00", L"kept"));
    TNotification shortDate("2011.05.05", L"x");
    shortDate.Repeat = "every 1 day";
    EXPECT_THROW(db.AddNotification(shortDate), std::invalid_argument);
    EXPECT_THROW(db.RescheduleEarliestNotification("2011.05.06 22:00:00", "every|day"), std::invalid_argument);
    EXPECT_EQ(ReadWholeFile(folder.GetDataPath()), "2011.05.05 22:00:00||kept\r\n");
}

// The series moves to its new place among the others, keeping its ID, text and voice note; the
// lines around it are copied as they stand.
TEST(NotificationsDbTest, ReschedulesTheEarliestReminderToItsNewPlace) {
    const TStoreTestFolder folder;
    const std::wstring source = folder.GetFilePath(L"recorded.pcm");
    ASSERT_TRUE(WriteFileContent(source, "pills"));
    TNotificationsDb db(folder.GetDataPath());
    db.AddNotification(TNotification("2011.05.06 09:00:00", L"earlier"));
    db.AddNotification(TNotification("2011.05.07 09:00:00", L"same time"));
    TNotification series = MakeNotification("2011.05.05 09:00:00", L"Take the pills", source);
    series.Repeat = "every 1 day";
    const std::int32_t id = db.AddNotification(series);
    const std::wstring sound = db.GetNotification(id).SoundFile;
    int calls = 0;
    const TNotificationsDb::TWatcher watcher(db, [&calls] { ++calls; });

    db.RescheduleEarliestNotification("2011.05.07 09:00:00", "every 2 days");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(ReadWholeFile(folder.GetDataPath()),
              "2011.05.06 09:00:00||earlier\r\n2011.05.07 09:00:00 every 2 days|" + EncodeUtf8(sound) +
                  "|Take the pills\r\n2011.05.07 09:00:00||same time\r\n");
    EXPECT_EQ(db.GetNotification(id).Date, "2011.05.07 09:00:00");
    EXPECT_EQ(db.GetNotification(1).Text, L"same time");
    EXPECT_EQ(ReadWholeFile(sound), "pills");
    const std::wstring soundName = sound.substr(sound.find_last_of(L'\\') + 1);
    EXPECT_EQ(folder.ListFileNames(), std::vector<std::wstring>({L"notifications", soundName, L"recorded.pcm"}));
}

TEST(NotificationsDbTest, ReadsLfOnlyLineEndsAndKeepsUnreadableLines) {
    const TStoreTestFolder folder;
    WriteFileContent(folder.GetDataPath(),
                     "2011.05.01 00:00:00||one\n"
                     "only one|separator\r\n"
                     "\r\n"
                     "|no date|x\n"
                     "2011.05.03 00:00:00||three\r\n");
    TNotificationsDb db(folder.GetDataPath());
    EXPECT_EQ(ListTexts(db), std::vector<std::wstring>({L"one", L"three"}));
    EXPECT_EQ(db.GetNotification(1).Text, L"three");
    EXPECT_EQ(db.AddNotification(TNotification("2011.05.02 00:00:00", L"two")), 2);
    EXPECT_EQ(ListTexts(db), std::vector<std::wstring>({L"one", L"two", L"three"}));
    EXPECT_EQ(ReadWholeFile(folder.GetDataPath()), "2011.05.01 00:00:00||one\nonly one|separator\r\n\r\n|no date|x\n"
                                                   "2011.05.02 00:00:00||two\r\n2011.05.03 00:00:00||three\r\n");
    EXPECT_EQ(db.GetUnreadableLines(), std::vector<std::wstring>({L"only one|separator", L"|no date|x"}));
    db.DeleteNotification(1);
    EXPECT_EQ(ListTexts(db), std::vector<std::wstring>({L"one", L"two"}));
}

TEST(NotificationsDbTest, ALineWithOneSeparatorHoldsNoReminderAndStaysInTheFile) {
    const TStoreTestFolder folder;
    WriteFileContent(folder.GetDataPath(), "2011.05.16 22:53:00||text\r\n2011.05.17 22:53:00|broken\r\n");
    TNotificationsDb db(folder.GetDataPath());
    EXPECT_EQ(ListTexts(db), std::vector<std::wstring>({L"text"}));
    db.AddNotification(TNotification("2011.05.18 00:00:00", L"new"));
    EXPECT_EQ(ReadWholeFile(folder.GetDataPath()),
              "2011.05.16 22:53:00||text\r\n2011.05.17 22:53:00|broken\r\n2011.05.18 00:00:00||new\r\n");
}

// Each under a name of its own, so that two PCs recording into one folder pick different ones.
TEST(NotificationsDbTest, KeepsACopyOfEachSoundUnderAFreeNameAndDeletesItWithItsReminder) {
    const TStoreTestFolder folder;
    const std::wstring source = folder.GetFilePath(L"recorded.pcm");
    ASSERT_TRUE(WriteFileContent(source, "first sound"));
    TNotificationsDb db(folder.GetDataPath());
    const std::int32_t first = db.AddNotification(MakeNotification("2011.05.05 22:00:00", L"a", source));
    ASSERT_TRUE(WriteFileContent(source, "second sound"));
    const std::int32_t second = db.AddNotification(MakeNotification("2011.05.06 22:00:00", L"b", source));
    ASSERT_TRUE(RemoveFile(source));
    const std::wstring sound0 = db.GetNotification(first).SoundFile;
    const std::wstring sound1 = db.GetNotification(second).SoundFile;
    EXPECT_TRUE(IsStoreSoundFileName(folder.GetDataPath(), sound0)) << sound0;
    EXPECT_TRUE(IsStoreSoundFileName(folder.GetDataPath(), sound1)) << sound1;
    EXPECT_EQ(ReadWholeFile(sound0), "first sound");
    EXPECT_EQ(ReadWholeFile(sound1), "second sound");

    db.DeleteNotification(first);
    EXPECT_FALSE(FileExists(sound0));
    ASSERT_TRUE(WriteFileContent(source, "third sound"));
    db.AddNotification(MakeNotification("2011.05.04 22:00:00", L"c", source));
    EXPECT_NE(db.GetEarliestNotification().SoundFile, sound1);
    EXPECT_EQ(ReadWholeFile(db.GetEarliestNotification().SoundFile), "third sound");
    db.RemoveEarliestNotification();
    db.RemoveEarliestNotification();
    EXPECT_EQ(folder.ListFileNames(), std::vector<std::wstring>({L"notifications", L"recorded.pcm"}));
}

TEST(NotificationsDbTest, StoresAReminderWithoutSoundWhenTheSoundCannotBeCopied) {
    const TStoreTestFolder folder;
    TNotificationsDb db(folder.GetDataPath());
    const std::int32_t id = db.AddNotification(MakeNotification("2011.05.05 22:00:00", L"a", folder.GetFilePath(L"gone")));
    EXPECT_EQ(db.GetNotification(id).SoundFile, L"");
    EXPECT_EQ(folder.ListFileNames(), std::vector<std::wstring>({L"notifications"}));
}

TEST(NotificationsDbTest, DeletesOnlyItsOwnSoundFiles) {
    const TStoreTestFolder folder;
    const std::wstring victim = folder.GetFilePath(L"precious");
    const std::wstring lookalike = folder.GetDataPath() + L".sound.1.bak";
    ASSERT_TRUE(WriteFileContent(victim, "keep me"));
    ASSERT_TRUE(WriteFileContent(lookalike, "keep me too"));
    std::string lines;
    for (const std::wstring& sound : {victim, lookalike, victim}) {
        lines += "2011.05.05 22:00:00|" + std::string(sound.begin(), sound.end()) + "|x\r\n";
    }
    ASSERT_TRUE(WriteFileContent(folder.GetDataPath(), lines));
    TNotificationsDb db(folder.GetDataPath());
    db.DeleteNotification(1);
    db.RemoveEarliestNotification();
    db.DeleteNotification(2);
    EXPECT_FALSE(db.Begin().IsValid());
    EXPECT_EQ(ReadWholeFile(victim), "keep me");
    EXPECT_EQ(ReadWholeFile(lookalike), "keep me too");
}

TEST(NotificationsDbTest, AnOpenIteratorDoesNotHinderAChange) {
    const TStoreTestFolder folder;
    TNotificationsDb db(folder.GetDataPath());
    db.AddNotification(TNotification("2011.05.05 22:00:00", L"qqq"));
    db.AddNotification(TNotification("2011.06.05 22:00:00", L"www"));
    TNotificationsDb::TIterator iterator = db.Begin();
    ASSERT_TRUE(iterator.IsValid());
    db.RemoveEarliestNotification();
    db.AddNotification(TNotification("2011.07.05 22:00:00", L"eee"));
    EXPECT_EQ(ListTexts(db), std::vector<std::wstring>({L"www", L"eee"}));
    EXPECT_EQ(folder.ListFileNames(), std::vector<std::wstring>({L"notifications"}));
}
