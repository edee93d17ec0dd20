#include "store/NotificationsDb.h"

#include "store/DataFileChange.h"
#include "store/DataFileMerge.h"
#include "store/FileOperations.h"
#include "store/RecordLine.h"
#include "store/SoundFileName.h"
#include "store/Utf8Text.h"

#include <stdexcept>

namespace {

using TChange = TDataFileMemory::TChange;

// Numbers from the whole range are all but never taken: a few tries find a free one.
const int SoundFileNameTries = 64;
const std::size_t DueDateSize = 19;

// An empty date reads back as no record at all, and "|" or a line break would break the line. A
// rule reads back only after a date of the full size.
void CheckDueField(const TDateTimeText& date, const std::string& repeat, const char* change) {
    const bool breaksLine = date.find_first_of("|\r\n") != TDateTimeText::npos ||
                            repeat.find_first_of("|\r\n") != std::string::npos;
    if (date.empty() || breaksLine || (!repeat.empty() && date.size() != DueDateSize)) {
        throw std::invalid_argument(std::string("TNotificationsDb::") + change + ": unusable due date");
    }
}

bool ReadReminder(const TDataFileMemory& memory, std::size_t position, TNotification& record) {
    const std::int32_t id = memory.GetId(position);
    if (id < 0 || !ParseRecordLine(GetLineContent(memory.GetLineBytes(position)), record)) {
        return false;
    }
    record.Id = id;
    return true;
}

TNotification ReadReminderAt(const TDataFileMemory& memory, std::ptrdiff_t position) {
    TNotification record;
    if (position >= 0) {
        ReadReminder(memory, static_cast<std::size_t>(position), record);
    }
    return record;
}

}  // namespace

TNotificationsDb::TNotificationsDb(const std::wstring& path, const std::wstring& pcFolder)
    : Path(path), File(path), Copies(path, pcFolder) {}

std::int32_t TNotificationsDb::AddNotification(const TNotification& notification) {
    return StoreInPlaceOf(-1, &notification);
}

std::int32_t TNotificationsDb::ReplaceNotification(std::int32_t id, const TNotification& replacement) {
    return StoreInPlaceOf(id, &replacement);
}

void TNotificationsDb::DeleteNotification(std::int32_t id) { StoreInPlaceOf(id, nullptr); }

// IDs come from the memory alone and are never given twice, so one it does not hold now is gone
// for good: the file need not be read for it.
std::int32_t TNotificationsDb::StoreInPlaceOf(std::int32_t id, const TNotification* stored) {
    if (stored) {
        CheckDueField(stored->Date, stored->Repeat, "AddNotification");
    } else if (File.GetMemory().FindId(id) < 0) {
        return -1;
    }
    TNotification added;
    if (stored) {
        added = TNotification(stored->Date, stored->Text);
        added.Repeat = stored->Repeat;
        added.SoundFile = CopySoundFile(stored->SoundFile);
    }
    std::wstring removedSound;
    TDataFileChangeResult result;
    try {
        result = Change([&](const TDataFileMemory& memory) -> std::optional<TChange> {
            TChange change;
            change.Removed = memory.FindId(id);
            removedSound = ReadReminderAt(memory, change.Removed).SoundFile;
            if (!stored) {
                return change.Removed < 0 ? std::nullopt : std::optional<TChange>(change);
            }
            if (!memory.HasFreeId()) {
                ThrowNoFreeId();
            }
            change.Inserted = FormatRecordLine(added);
            change.InsertedAt = memory.FindDuePlace(added.Date, change.Removed);
            return change;
        });
    } catch (...) {
        DeleteSoundFile(added.SoundFile);
        throw;
    }
    if (result.Made) {
        // Only now: a failed change must leave the voice note of the reminder it kept.
        DeleteSoundFile(removedSound);
    }
    TellWatchers(result);
    return result.InsertedId;
}

void TNotificationsDb::RescheduleNotification(std::int32_t id, const TDateTimeText& date, const std::string& repeat) {
    CheckDueField(date, repeat, "RescheduleNotification");
    if (File.GetMemory().FindId(id) < 0) {
        return;
    }
    TellWatchers(Change([&](const TDataFileMemory& memory) -> std::optional<TChange> {
        TChange change;
        change.Removed = memory.FindId(id);
        if (change.Removed < 0) {
            return std::nullopt;
        }
        // Written from what was read, so its voice note stays its own: neither copied nor deleted.
        TNotification rescheduled = ReadReminderAt(memory, change.Removed);
        rescheduled.Date = date;
        rescheduled.Repeat = repeat;
        change.Inserted = FormatRecordLine(rescheduled);
        change.InsertedAt = memory.FindDuePlace(date, change.Removed);
        change.InsertedId = id;
        return change;
    }));
}

void TNotificationsDb::RemoveEarliestNotification() { DeleteNotification(GetEarliestNotification().Id); }

void TNotificationsDb::RescheduleEarliestNotification(const TDateTimeText& date, const std::string& repeat) {
    RescheduleNotification(GetEarliestNotification().Id, date, repeat);
}

TNotification TNotificationsDb::GetNotification(std::int32_t id) const {
    return WithSoundFileFound(ReadReminderAt(File.GetMemory(), File.GetMemory().FindId(id)));
}

TNotification TNotificationsDb::GetEarliestNotification() const {
    return WithSoundFileFound(ReadReminderAt(File.GetMemory(), File.GetMemory().FindEarliest()));
}

void TNotificationsDb::MoveTo(const std::wstring& path) {
    Path = path;
    File.MoveTo(path);
    Copies.MoveTo(path);
    FollowOutsideChanges();
}

bool TNotificationsDb::IsNotificationHappening(const TDateTimeText& now) const {
    const TDataFileMemory& memory = File.GetMemory();
    const std::ptrdiff_t earliest = memory.FindEarliest();
    if (earliest < 0) {
        return false;
    }
    const std::string_view line = memory.GetLineBytes(static_cast<std::size_t>(earliest));
    return !(std::string_view(now) < GetRecordDate(GetLineContent(line)));
}

TNotificationsDb::TIterator TNotificationsDb::Begin() const { return TIterator(*this); }

std::vector<std::wstring> TNotificationsDb::GetUnreadableLines() const {
    const TDataFileMemory& memory = File.GetMemory();
    std::vector<std::wstring> unreadable;
    for (std::size_t position = 0; position < memory.GetLineCount(); ++position) {
        const std::string_view line = memory.GetLineBytes(position);
        if (memory.GetId(position) < 0 && !IsBlankLine(line)) {
            unreadable.push_back(DecodeUtf8(GetLineContent(line)));
        }
    }
    return unreadable;
}

void TNotificationsDb::FollowOutsideChanges() {
    if (File.ReadIfChanged()) {
        ChangedOutside = true;
        Copies.KeepCommonVersion(File.GetBytesRead());
    }
    if (File.TakeFolderChange() || Copies.IsWaiting()) {
        MergeConflictCopies();
    }
    if (ChangedOutside) {
        CallWatchers();
    }
}

void TNotificationsDb::MergeConflictCopies() {
    for (const TConflictCopies::TCopy& copy : Copies.FindCopiesToMerge(File.GetLastWritten())) {
        TellWatchers(Change([&](const TDataFileMemory& memory) -> std::optional<TChange> {
            TChange change;
            change.WholeText = MergeDataFileTexts(Copies.GetCommonVersion(), memory.GetText(), copy.Bytes);
            return *change.WholeText == memory.GetText() ? std::nullopt : std::optional<TChange>(change);
        }));
        Copies.ForgetMerged(copy);
    }
}

// What a change that fails found that others wrote is told all the same.
TDataFileChangeResult TNotificationsDb::Change(const TDataFileChangePlan& plan) {
    TDataFileChangeResult result;
    const auto followOthers = [this, &result] {
        ChangedOutside = ChangedOutside || result.ChangedOutside;
        if (result.ChangedOutside) {
            Copies.KeepCommonVersion(File.GetBytesRead());
        }
    };
    try {
        File.Change(HolderWait, plan, result);
    } catch (...) {
        followOthers();
        TellWatchers(TDataFileChangeResult());
        throw;
    }
    followOthers();
    return result;
}

// What a change found that others wrote is told with it.
void TNotificationsDb::TellWatchers(const TDataFileChangeResult& result) {
    if (result.Made || ChangedOutside) {
        CallWatchers();
    }
}

std::wstring TNotificationsDb::CopySoundFile(const std::wstring& source) const {
    if (source.empty()) {
        return std::wstring();
    }
    for (int attempt = 0; attempt < SoundFileNameTries; ++attempt) {
        const std::wstring name = MakeSoundFileName(Path, PickSoundFileNumber());
        if (!FileExists(name)) {
            // A name that names no file would be free for the next sound, and deleting either
            // reminder would then take the other's sound; without a copy, there is no sound.
            return DuplicateFile(source, name) ? name : std::wstring();
        }
    }
    return std::wstring();
}

// The store's own notes are taken from its folder first: a line written in another folder may
// name a path that holds another file on this PC.
std::wstring TNotificationsDb::FindSoundFile(const std::wstring& written) const {
    const std::wstring beside = PlaceBesideStore(Path, written);
    if (!beside.empty() && (IsStoreSoundFileName(Path, beside) || !FileExists(written)) && FileExists(beside)) {
        return beside;
    }
    return written;
}

TNotification TNotificationsDb::WithSoundFileFound(TNotification record) const {
    record.SoundFile = FindSoundFile(record.SoundFile);
    return record;
}

void TNotificationsDb::DeleteSoundFile(const std::wstring& soundFile) const {
    const std::wstring found = FindSoundFile(soundFile);
    if (IsStoreSoundFileName(Path, found)) {
        RemoveFile(found);
    }
}

void TNotificationsDb::CallWatchers() {
    ChangedOutside = false;
    // A watcher that ends inside another's callback must not be called afterwards.
    const std::set<TWatcher*> watchers = Watchers;
    for (TWatcher* watcher : watchers) {
        if (Watchers.count(watcher) != 0 && watcher->Callback) {
            watcher->Callback();
        }
    }
}

TNotificationsDb::TIterator::TIterator(const TNotificationsDb& db) : Db(&db) { MoveToReminderFrom(0); }

void TNotificationsDb::TIterator::Next() { MoveToReminderFrom(Position + 1); }

void TNotificationsDb::TIterator::MoveToReminderFrom(std::size_t position) {
    const TDataFileMemory& memory = Db->File.GetMemory();
    for (Position = position; Position < memory.GetLineCount(); ++Position) {
        if (ReadReminder(memory, Position, CurrentRecord)) {
            return;
        }
    }
    CurrentRecord = TNotification();
}

TNotificationsDb::TWatcher::TWatcher(TNotificationsDb& db, std::function<void()> callback)
    : Db(&db), Callback(std::move(callback)) {
    Db->Watchers.insert(this);
}

TNotificationsDb::TWatcher::~TWatcher() { Db->Watchers.erase(this); }
