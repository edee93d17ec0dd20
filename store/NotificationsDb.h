#pragma once

#include "store/DateTimeText.h"
#include "store/FolderChangeWatch.h"
#include "store/IdList.h"
#include "store/Notification.h"
#include "store/RecordReader.h"
#include "store/ReplacementFile.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>

class TDataFileRewrite;

// The pending reminders, one line each in a data file sorted by due date, with each voice note
// copied beside it. Every change rewrites the file. Only the IDs and the earliest reminder are
// kept in memory: the due check asks for the earliest one every second. They come from a
// complete read of the file and are learnt from each change as it is written. People and other
// programs edit, restore and sync the file too: a change in its folder has it read again at the
// next query, and every change follows the lines it reads; the IDs go with the lines by their
// content. A read that fails leaves nothing known, and the next query reads again. Every other
// query reads the file. A change that cannot be completed, or made on a file that cannot be
// read, throws a runtime error "TNotificationsDb: ..." and changes nothing.
class TNotificationsDb {
public:
    class TIterator;
    class TWatcher;

    // Creates no file; a missing data file is an empty store.
    explicit TNotificationsDb(const std::wstring& path);
    TNotificationsDb(const TNotificationsDb&) = delete;
    TNotificationsDb& operator=(const TNotificationsDb&) = delete;

    // Stores the date, the repeat rule, the text and a copy of the sound file (when one is named
    // and can be copied); the reminder's ID is ignored. Returns the new ID. A rule needs a due
    // date of the full 19 characters.
    std::int32_t AddNotification(const TNotification& notification);
    // An unknown ID is ignored.
    void DeleteNotification(std::int32_t id);
    void RemoveEarliestNotification();
    // Moves the earliest reminder on to the next occurrence of its series: it is due at date
    // with the rule text repeat from then on, and takes its place in due order before those due
    // at the same time. Its ID, text and voice note stay; one rewrite of the data file, so the
    // file holds the series either at the old or at the new occurrence, never neither. Nothing
    // happens in an empty store.
    void RescheduleEarliestNotification(const TDateTimeText& date, const std::string& repeat);

    // The empty record when there is none.
    TNotification GetNotification(std::int32_t id) const;
    TNotification GetEarliestNotification() const;
    // Whether the earliest reminder is due at now (also when due exactly then).
    bool IsNotificationHappening(const TDateTimeText& now) const;
    TIterator Begin() const;
    // Whether the data file can be read now: another program may hold it without sharing it, and
    // the queries then answer as for an empty store.
    bool IsReadable() const { return Refresh(); }

    // Calls the watchers when the data file turned out to hold lines that the store's own changes
    // did not write (another program changed it) since the last change or call. For a caller at
    // the top of the message loop: the store notices such changes inside its queries, where a
    // watcher that reads the store would run inside its own reading.
    void ReportOutsideChanges();

    // From now on a change gives up at once when another program holds the data file, instead
    // of waiting for it: for the end of the session, when there is no time to wait.
    void StopWaitingForHolders() { HolderWait = THolderWait::None; }

private:
    // Whether Ids and Earliest describe the data file, which is read again when it may have
    // changed or could not be read last time.
    bool Refresh() const;
    bool ReadDataFile() const;
    void FollowReadLines(const TDataFileRewrite& rewrite);
    void FinishRewrite(TDataFileRewrite& rewrite);
    void LearnFormedLines(const TDataFileRewrite& rewrite);
    std::wstring CopySoundFile(const std::wstring& source) const;
    void DeleteSoundFile(const std::wstring& soundFile) const;
    void CallWatchers();

    std::wstring Path;
    std::set<TWatcher*> Watchers;
    THolderWait HolderWait = THolderWait::AboutTwoSeconds;
    // Made before the first read, so that no change after it goes unseen.
    mutable TFolderChangeWatch FolderWatch;
    mutable bool Known = false;
    mutable bool ChangedOutside = false;
    mutable TIdList Ids;
    // Without its ID, which Ids holds.
    mutable TNotification Earliest;
};

// Reads the reminders in due order; what it yields after a change made while it is open is not
// defined, but it never hinders the change.
class TNotificationsDb::TIterator {
public:
    TIterator(TIterator&&) = default;
    TIterator& operator=(TIterator&&) = default;
    TIterator(const TIterator&) = delete;
    TIterator& operator=(const TIterator&) = delete;

    bool IsValid() const { return !CurrentRecord.Date.empty(); }
    TNotification Current() const { return CurrentRecord; }
    void Next();

private:
    friend class TNotificationsDb;
    explicit TIterator(const TNotificationsDb& db);
    void ReadCurrent();

    const TNotificationsDb* Db;
    TRecordReader Reader;
    TNotification CurrentRecord;
    std::int32_t LineIndex = 0;
};

// Calls its callback after every change of the store, until it ends.
class TNotificationsDb::TWatcher {
public:
    TWatcher(TNotificationsDb& db, std::function<void()> callback);
    ~TWatcher();
    TWatcher(const TWatcher&) = delete;
    TWatcher& operator=(const TWatcher&) = delete;

private:
    friend class TNotificationsDb;

    TNotificationsDb* Db;
    std::function<void()> Callback;
};
