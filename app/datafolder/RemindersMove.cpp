#include "app/datafolder/RemindersMove.h"

#include "app/datafolder/DataFolder.h"
#include "app/datafolder/ReminderJoin.h"
#include "store/DataFileEncoding.h"
#include "store/FileContent.h"
#include "store/FileOperations.h"
#include "store/FileReading.h"
#include "store/NotificationsDb.h"
#include "store/RecordLine.h"
#include "store/SoundFileName.h"
#include "texts/Texts.h"
#include "texts/WideText.h"

#include <windows.h>

#include <map>
#include <vector>

namespace {

// As the user names it, without the last separator.
std::wstring NameFolderOf(const std::wstring& path) {
    const std::wstring folder = GetFolderOf(path);
    return folder.substr(0, folder.size() - 1);
}

bool HoldsSameBytes(const std::wstring& left, const std::wstring& right) {
    std::string leftBytes;
    std::string rightBytes;
    return ReadFileContent(left, leftBytes) && ReadFileContent(right, rightBytes) && leftBytes == rightBytes;
}

bool IsSameFile(const TFileHandle& left, const TFileHandle& right) {
    BY_HANDLE_FILE_INFORMATION leftInformation{};
    BY_HANDLE_FILE_INFORMATION rightInformation{};
    return GetFileInformationByHandle(left.Get(), &leftInformation) &&
           GetFileInformationByHandle(right.Get(), &rightInformation) &&
           leftInformation.dwVolumeSerialNumber == rightInformation.dwVolumeSerialNumber &&
           leftInformation.nFileIndexHigh == rightInformation.nFileIndexHigh &&
           leftInformation.nFileIndexLow == rightInformation.nFileIndexLow;
}

class TMove {
public:
    TMove(TNotificationsDb& store, const std::wstring& folder)
        : From(store.GetPath()), To(GetStorePath(folder)), Source(INVALID_HANDLE_VALUE), Target(INVALID_HANDLE_VALUE) {}

    // Steps 1 and 2.
    void Copy() {
        const TFileOpening source = OpenFileForReading(From, TReadingHold::Writers, Source);
        const TFileOpening target = OpenFileForReading(To, TReadingHold::Writers, Target);
        if (source == TFileOpening::Held || source == TFileOpening::Failed || target == TFileOpening::Held ||
            target == TFileOpening::Failed) {
            Fail(IDS_MOVE_REASON_HELD);
        }
        // A store whose folder is gone has nothing here to bring: its file stays where it is. A
        // folder reached by another name (a link, a short name) is the same folder.
        SameFile = source == TFileOpening::Opened && target == TFileOpening::Opened && IsSameFile(Source, Target);
        if (source == TFileOpening::Missing || SameFile) {
            return;
        }
        std::string sourceBytes;
        Joining = target == TFileOpening::Opened;
        if (!ReadToEnd(Source, sourceBytes) || (Joining && !ReadToEnd(Target, TargetBytes))) {
            Fail(IDS_MOVE_REASON_HELD);
        }
        std::vector<std::string> lines = {ReadDataFileText(sourceBytes)};
        if (Joining) {
            lines = FindLinesToJoin(ReadDataFileText(TargetBytes), lines[0]);
        }
        for (std::string& line : lines) {
            CopyNotesOf(line);
        }
        // A plain move keeps the file byte for byte, in its encoding.
        const std::string written = Joining ? AppendLines(ReadDataFileText(TargetBytes), lines) : sourceBytes;
        WriteDataFile(written);
    }

    // Step 3; a failure in it puts everything back.
    void Switch(TNotificationsDb& store, const std::function<bool()>& recordChoice) {
        if (!recordChoice()) {
            Fail(IDS_MOVE_REASON_SETTINGS);
        }
        store.MoveTo(To);
        Switched = true;
    }

    // Step 4.
    bool RemoveOld() {
        Source.Close();
        if (SameFile) {
            return true;
        }
        bool removed = !FileExists(From) || RemoveFile(From);
        for (const std::wstring& note : OldNotes) {
            removed = RemoveFile(note) && removed;
        }
        return removed;
    }

    ~TMove() {
        if (Switched) {
            return;
        }
        Target.Close();
        for (const std::wstring& made : Made) {
            RemoveFile(made);
        }
        if (Placed && Joining) {
            ReplaceFileContent(To, TargetBytes);
        } else if (Placed) {
            RemoveFile(To);
        }
    }

private:
    [[noreturn]] void Fail(int reason) const {
        throw TRemindersMoveFailure(
            NarrowToUtf8(FormatText(IDS_FOLDER_MOVE_FAILED, {NameFolderOf(To), LoadText(reason), NameFolderOf(From)})));
    }

    // Only the store's own notes travel; a line that names another file keeps naming it.
    void CopyNotesOf(std::string& line) {
        std::optional<TNotification> record = ParseRecordLine(WithoutLineEnd(line));
        if (!record || record->SoundFile.empty()) {
            return;
        }
        const std::wstring note = PlaceBesideStore(From, record->SoundFile);
        if (!IsStoreSoundFileName(From, note) || !FileExists(note)) {
            return;
        }
        std::wstring copy = PlaceBesideStore(To, note);
        if (Copies.count(note) != 0) {
            copy = Copies[note];
        } else {
            for (int attempt = 0; attempt < 64 && (FileExists(copy) || IsTaken(copy)); ++attempt) {
                copy = MakeSoundFileName(To, PickSoundFileNumber());
            }
            if (!CopyFileW(note.c_str(), copy.c_str(), TRUE)) {
                Fail(IDS_MOVE_REASON_COPY);
            }
            Made.push_back(copy);
            if (!HoldsSameBytes(note, copy)) {
                Fail(IDS_MOVE_REASON_COPY);
            }
            Copies[note] = copy;
            OldNotes.push_back(note);
        }
        if (PlaceBesideStore(To, note) != copy) {
            record->SoundFile = copy;
            line = FormatRecordLine(*record);
        }
    }

    bool IsTaken(const std::wstring& copy) const {
        for (const auto& made : Copies) {
            if (made.second == copy) {
                return true;
            }
        }
        return false;
    }

    // Written and read back beside the folder's own, then put in its place.
    void WriteDataFile(const std::string& bytes) {
        const std::wstring written = To + L".moving." + std::to_wstring(PickSoundFileNumber());
        Made.push_back(written);
        std::string readBack;
        if (!WriteFileContent(written, bytes)) {
            Fail(IDS_MOVE_REASON_COPY);
        }
        if (!ReadFileContent(written, readBack) || readBack != bytes) {
            Fail(IDS_MOVE_REASON_COPY);
        }
        Target.Close();
        const DWORD flags = MOVEFILE_WRITE_THROUGH | (Joining ? MOVEFILE_REPLACE_EXISTING : 0);
        if (!MoveFileExW(written.c_str(), To.c_str(), flags)) {
            Fail(IDS_MOVE_REASON_COPY);
        }
        Made.pop_back();
        Placed = true;
    }

    std::wstring From;
    std::wstring To;
    TFileHandle Source;
    TFileHandle Target;
    std::string TargetBytes;
    bool Joining = false;
    bool SameFile = false;
    bool Placed = false;
    bool Switched = false;
    std::vector<std::wstring> Made;
    std::vector<std::wstring> OldNotes;
    std::map<std::wstring, std::wstring> Copies;
};

}  // namespace

bool MoveReminders(TNotificationsDb& store, const std::wstring& folder, const std::function<bool()>& recordChoice) {
    TMove move(store, folder);
    move.Copy();
    move.Switch(store, recordChoice);
    return move.RemoveOld();
}
