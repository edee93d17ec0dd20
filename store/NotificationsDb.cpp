#include "store/NotificationsDb.h"

#include "store/DataFileRewrite.h"
#include "store/FileOperations.h"
#include "store/LineFingerprint.h"
#include "store/RecordLine.h"
#include "store/SoundFileName.h"

#include <stdexcept>
#include <vector>

namespace {

const std::uint32_t LastSoundFileNumber = 0xFFFFF;

// The folder, with its last separator, that holds the file at path.
std::wstring GetFolderOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring(L".") : path.substr(0, separator + 1);
}

const std::size_t DueDateSize = 19;

// An empty date reads back as no record at all, and "|" or a line break would break the line;
// either would put the IDs out of step with the file. A rule reads back only after a date of
// the full size.
void CheckDueField(const TDateTimeText& date, const std::string& repeat, const char* change) {
    const bool breaksLine = date.find_first_of("|\r\n") != TDateTimeText::npos ||
                            repeat.find_first_of("|\r\n") != std::string::npos;
    if (date.empty() || breaksLine || (!repeat.empty() && date.size() != DueDateSize)) {
        throw std::invalid_argument(std::string("TNotificationsDb::") + change + ": unusable due date");
    }
}

// Copies the records left to read, with record before the first of them not due before it: the
// newest comes first among equal dates. Gives the number of records written before it.
std::size_t CopyRecordsPuttingInDueOrder(TDataFileRewrite& rewrite, const TNotification& record) {
    std::size_t position = 0;
    bool written = false;
    while (rewrite.NextRecord()) {
        if (!written && !(rewrite.GetDate() < record.Date)) {
            rewrite.WriteRecord(record);
            written = true;
        }
        position += written ? 0 : 1;
        rewrite.CopyRecord();
    }
    if (!written) {
        rewrite.WriteRecord(record);
    }
    return position;
}

}  // namespace

// What the first read finds is no news to anyone.
TNotificationsDb::TNotificationsDb(const std::wstring& path) : Path(path), FolderWatch(GetFolderOf(path)) {
    Refresh();
    ChangedOutside = false;
}

std::int32_t TNotificationsDb::AddNotification(const TNotification& notification) {
    CheckDueField(notification.Date, notification.Repeat, "AddNotification");
    TNotification added(notification.Date, notification.Text);
    added.Repeat = notification.Repeat;
    added.SoundFile = CopySoundFile(notification.SoundFile);
    std::int32_t id = -1;
    try {
        TDataFileRewrite rewrite(Path);
        const std::size_t position = CopyRecordsPuttingInDueOrder(rewrite, added);
        FollowReadLines(rewrite);
        id = Ids.FindFreeId();
        if (id < 0) {
            throw std::logic_error("TNotificationsDb::AddNotification: unable to find ID");
        }
        FinishRewrite(rewrite);
        Ids.Insert(position, id);
        LearnFormedLines(rewrite);
    } catch (...) {
        DeleteSoundFile(added.SoundFile);
        throw;
    }
    CallWatchers();
    return id;
}

// The reminder's line is found by its content, as the IDs follow lines, so that the right one goes
// also when another program changed the file and the store has not heard of it yet.
void TNotificationsDb::DeleteNotification(std::int32_t id) {
    const std::ptrdiff_t known = Ids.FindPosition(id);
    if (known < 0) {
        return;
    }
    const TIdList::TLineKey line = Ids.GetLineKey(static_cast<std::size_t>(known));
    std::size_t sameLinesBefore = 0;
    std::ptrdiff_t deleted = -1;
    std::wstring soundFile;
    TDataFileRewrite rewrite(Path);
    for (std::ptrdiff_t position = 0; rewrite.NextRecord(); ++position) {
        const bool same = deleted < 0 && rewrite.GetReadFingerprints().back() == line.Fingerprint;
        if (same && sameLinesBefore++ == line.Rank) {
            deleted = position;
            soundFile = rewrite.GetRecord().SoundFile;
        } else {
            rewrite.CopyRecord();
        }
    }
    FollowReadLines(rewrite);
    // Another program took it out already.
    if (deleted < 0) {
        return;
    }
    FinishRewrite(rewrite);
    // Only now: a failed change must leave the voice note of the reminder it kept.
    DeleteSoundFile(soundFile);
    Ids.EraseAt(static_cast<std::size_t>(deleted));
    LearnFormedLines(rewrite);
    CallWatchers();
}

void TNotificationsDb::RemoveEarliestNotification() {
    TDataFileRewrite rewrite(Path);
    if (!rewrite.NextRecord()) {
        FollowReadLines(rewrite);
        return;
    }
    const std::wstring earliestSoundFile = rewrite.GetRecord().SoundFile;
    while (rewrite.NextRecord()) {
        rewrite.CopyRecord();
    }
    FollowReadLines(rewrite);
    FinishRewrite(rewrite);
    DeleteSoundFile(earliestSoundFile);
    Ids.EraseAt(0);
    LearnFormedLines(rewrite);
    CallWatchers();
}

void TNotificationsDb::RescheduleEarliestNotification(const TDateTimeText& date, const std::string& repeat) {
    CheckDueField(date, repeat, "RescheduleEarliestNotification");
    TDataFileRewrite rewrite(Path);
    if (!rewrite.NextRecord()) {
        FollowReadLines(rewrite);
        return;
    }
    // Written from what was read, so its voice note stays its own: neither copied nor deleted.
    TNotification rescheduled = rewrite.GetRecord();
    rescheduled.Date = date;
    rescheduled.Repeat = repeat;
    const std::size_t position = CopyRecordsPuttingInDueOrder(rewrite, rescheduled);
    FollowReadLines(rewrite);
    FinishRewrite(rewrite);
    const std::int32_t id = Ids.GetIdAt(0);
    Ids.EraseAt(0);
    Ids.Insert(position, id);
    LearnFormedLines(rewrite);
    CallWatchers();
}

TNotification TNotificationsDb::GetNotification(std::int32_t id) const {
    const std::ptrdiff_t wanted = Refresh() ? Ids.FindPosition(id) : -1;
    if (wanted < 0) {
        return TNotification();
    }
    TIterator iterator = Begin();
    for (std::ptrdiff_t position = 0; position < wanted && iterator.IsValid(); ++position) {
        iterator.Next();
    }
    return iterator.Current();
}

TNotification TNotificationsDb::GetEarliestNotification() const {
    if (!Refresh()) {
        return TNotification();
    }
    TNotification earliest = Earliest;
    earliest.Id = earliest.Date.empty() ? -1 : Ids.GetIdAt(0);
    return earliest;
}

bool TNotificationsDb::IsNotificationHappening(const TDateTimeText& now) const {
    return Refresh() && !Earliest.Date.empty() && !(now < Earliest.Date);
}

TNotificationsDb::TIterator TNotificationsDb::Begin() const {
    Refresh();
    return TIterator(*this);
}

bool TNotificationsDb::Refresh() const {
    if (FolderWatch.TakeChange()) {
        Known = false;
    }
    if (!Known) {
        Known = ReadDataFile();
    }
    return Known;
}

// The IDs follow the lines read; the first record is remembered. Nothing is learnt from a read
// that failed half-way.
bool TNotificationsDb::ReadDataFile() const {
    TRecordReader reader(Path, TRecordReader::TOpening::UntilTheEnd);
    std::vector<std::uint64_t> fingerprints;
    TNotification earliest;
    while (reader.ReadRecordLine()) {
        if (fingerprints.empty()) {
            ParseRecordLine(reader.GetLine(), earliest);
        }
        fingerprints.push_back(FingerprintLine(reader.GetLine()));
    }
    if (reader.HasFailed()) {
        return false;
    }
    ChangedOutside = Ids.Follow(fingerprints) || ChangedOutside;
    Earliest = std::move(earliest);
    return true;
}

// Every change reads the whole file, and learns from it what another program may have changed
// before the store heard of it: the folder's notification can come late, or never. The first
// record is known again once the change is complete.
void TNotificationsDb::FollowReadLines(const TDataFileRewrite& rewrite) {
    ChangedOutside = Ids.Follow(rewrite.GetReadFingerprints()) || ChangedOutside;
    Known = false;
}

void TNotificationsDb::FinishRewrite(TDataFileRewrite& rewrite) {
    TNotification earliest = rewrite.GetFirstWrittenRecord();
    rewrite.Finish(HolderWait);
    Earliest = std::move(earliest);
    Known = true;
}

// After the IDs were moved as the change moved the lines.
void TNotificationsDb::LearnFormedLines(const TDataFileRewrite& rewrite) {
    for (const auto& formed : rewrite.GetFormedLines()) {
        Ids.SetFingerprintAt(formed.first, formed.second);
    }
}

std::wstring TNotificationsDb::CopySoundFile(const std::wstring& source) const {
    if (source.empty()) {
        return std::wstring();
    }
    for (std::uint32_t number = 0; number <= LastSoundFileNumber; ++number) {
        const std::wstring name = MakeSoundFileName(Path, number);
        if (!FileExists(name)) {
            // A name that names no file would be free for the next sound, and deleting either
            // reminder would then take the other's sound; without a copy, there is no sound.
            return DuplicateFile(source, name) ? name : std::wstring();
        }
    }
    return std::wstring();
}

void TNotificationsDb::DeleteSoundFile(const std::wstring& soundFile) const {
    if (IsStoreSoundFileName(Path, soundFile)) {
        RemoveFile(soundFile);
    }
}

void TNotificationsDb::ReportOutsideChanges() {
    Refresh();
    if (ChangedOutside) {
        CallWatchers();
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

TNotificationsDb::TIterator::TIterator(const TNotificationsDb& db) : Db(&db), Reader(db.Path) { ReadCurrent(); }

void TNotificationsDb::TIterator::Next() {
    ++LineIndex;
    ReadCurrent();
}

void TNotificationsDb::TIterator::ReadCurrent() {
    CurrentRecord = TNotification();
    if (Reader.ReadRecord(CurrentRecord)) {
        CurrentRecord.Id = Db->Ids.GetIdAt(static_cast<std::size_t>(LineIndex));
    }
}

TNotificationsDb::TWatcher::TWatcher(TNotificationsDb& db, std::function<void()> callback)
    : Db(&db), Callback(std::move(callback)) {
    Db->Watchers.insert(this);
}

TNotificationsDb::TWatcher::~TWatcher() { Db->Watchers.erase(this); }
