#pragma once

#include "store/ConflictCopies.h"
#include "store/DataFileChange.h"
#include "store/DateTimeText.h"
#include "store/HolderPauses.h"
#include "store/KnownDataFile.h"
#include "store/Notification.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

// The pending reminders, one line each in a data file, with each voice note copied beside it.
// People and other programs edit, restore, sync and write the file too, in any order and in the
// encodings other editors save. The store keeps the file in memory, read when it is made and again
// when the file's folder reports a change (FollowOutsideChanges) or a change finds the file
// changed; every query answers from that memory. Every change names its reminder by ID and is made
// against the file as it is at that moment (see DataFileChange.h), which it writes in due order,
// keeping every line it does not change byte for byte, the lines it cannot read included. IDs
// mean nothing on disk and are never given twice within a run. A change that cannot be
// completed throws a runtime error "TNotificationsDb: ..." and changes nothing.
class TNotificationsDb {
public:
    class TIterator;
    class TWatcher;

    // Creates no file; a missing data file is an empty store. The last version of the data file
    // that this PC had in common with others through a sync service is kept in pcFolder (see
    // ConflictCopies.h); without one, a conflict copy is merged keeping every line of both.
    explicit TNotificationsDb(const std::wstring& path, const std::wstring& pcFolder = std::wstring());
    TNotificationsDb(const TNotificationsDb&) = delete;
    TNotificationsDb& operator=(const TNotificationsDb&) = delete;

    // Stores the date, the repeat rule, the text and a copy of the sound file (when one is named
    // and can be copied); the reminder's ID is ignored. Returns the new ID. A rule needs a due
    // date of the full 19 characters.
    std::int32_t AddNotification(const TNotification& notification);
    // The reminder with that ID and its voice note go and the replacement comes, in one change;
    // when that ID is gone, the replacement is added all the same. Returns the replacement's ID.
    std::int32_t ReplaceNotification(std::int32_t id, const TNotification& replacement);
    // An ID that is gone is ignored.
    void DeleteNotification(std::int32_t id);
    // Moves a repeating reminder on to the next occurrence of its series: it is due at date with
    // the rule text repeat from then on, and takes its place in due order before those due at the
    // same time. Its ID, text and voice note stay. An ID that is gone is ignored.
    void RescheduleNotification(std::int32_t id, const TDateTimeText& date, const std::string& repeat);
    // The same for the earliest reminder; nothing happens in an empty store.
    void RemoveEarliestNotification();
    void RescheduleEarliestNotification(const TDateTimeText& date, const std::string& repeat);

    // The empty record when there is none. A voice note whose path names no file, or a file
    // of another folder under the store's own name, is the file of that name beside the data
    // file, where it is: the line may have been written on another PC or before a move.
    TNotification GetNotification(std::int32_t id) const;
    // The one with the least due date, wherever its line stands in the file.
    TNotification GetEarliestNotification() const;
    // Whether the earliest reminder is due at now (also when due exactly then).
    bool IsNotificationHappening(const TDateTimeText& now) const;
    TIterator Begin() const;
    // The lines of the data file that hold nothing the store can read, blank ones left out, as
    // text: they stay in the file as they are, and the user should hear of them.
    std::vector<std::wstring> GetUnreadableLines() const;
    // Whether the data file has been read at all: another program may hold it without sharing it
    // when the store is made, and the queries then answer as for an empty store.
    bool IsKnown() const { return File.IsKnown(); }

    // Reads the data file again when its folder reported a change (or the last read failed),
    // merges the conflict copies of it that sync services left in the folder (deleting each), and
    // calls the watchers when other programs changed its lines since the last change or call.
    // For a caller at the top of the message loop, where the watchers may read the store.
    void FollowOutsideChanges();

    // From now on a change gives up at once when another program holds the data file, instead
    // of waiting for it: for the end of the session, when there is no time to wait.
    void StopWaitingForHolders() { HolderWait = THolderWait::None; }

    // The data file at path is the store's from now on, its folder the voice notes' folder; it
    // is read at once and the watchers hear of what it holds. The memory follows it as it
    // follows another program's change: reminders whose lines it holds too keep their IDs, so
    // that a window open on one acts on it in the new file.
    void MoveTo(const std::wstring& path);
    const std::wstring& GetPath() const { return Path; }

private:
    std::int32_t StoreInPlaceOf(std::int32_t id, const TNotification* stored);
    TDataFileChangeResult Change(const TDataFileChangePlan& plan);
    void TellWatchers(const TDataFileChangeResult& result);
    std::wstring CopySoundFile(const std::wstring& source) const;
    std::wstring FindSoundFile(const std::wstring& written) const;
    TNotification WithSoundFileFound(TNotification record) const;
    void DeleteSoundFile(const std::wstring& soundFile) const;
    void CallWatchers();
    void MergeConflictCopies();

    std::wstring Path;
    std::set<TWatcher*> Watchers;
    THolderWait HolderWait = THolderWait::AboutTwoSeconds;
    TKnownDataFile File;
    TConflictCopies Copies;
    bool ChangedOutside = false;
};

// Goes through the reminders in due order; what it yields after a change made while it is open is
// not defined.
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
    void MoveToReminderFrom(std::size_t position);

    const TNotificationsDb* Db;
    std::size_t Position = 0;
    TNotification CurrentRecord;
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
