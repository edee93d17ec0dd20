#include "store/KnownDataFile.h"

#include "store/FileOperations.h"

namespace {

const unsigned long long MissingForGood = 2000;

}  // namespace

TKnownDataFile::TKnownDataFile(std::wstring path) : Path(std::move(path)), FolderWatch(GetFolderOf(Path)) { Read(); }

bool TKnownDataFile::ReadIfChanged() {
    const bool folderChanged = FolderWatch.TakeChange();
    FolderChanged = FolderChanged || folderChanged;
    if (!folderChanged && !ReadPending) {
        return false;
    }
    const bool wasKnown = Known;
    return Read() || (Known && !wasKnown);
}

void TKnownDataFile::Change(THolderWait wait, const TDataFileChangePlan& plan, TDataFileChangeResult& result) {
    ChangeDataFile(Path, Memory, wait, Buffer, plan, result);
    Known = true;
    MissingSince = 0;
}

void TKnownDataFile::MoveTo(std::wstring path) {
    Path = std::move(path);
    FolderWatch.Watch(GetFolderOf(Path));
    ReadPending = true;
    FolderChanged = true;
    MissingSince = 0;
}

// Gives whether the lines changed.
bool TKnownDataFile::Read() {
    TFileHandle file(INVALID_HANDLE_VALUE);
    const TFileOpening opening = OpenDataFile(Path, TReadingHold::Writers, file);
    Buffer.clear();
    // A missing folder is no missing file: nothing is read until it is back.
    const bool missing = opening == TFileOpening::Missing && IsExistingFolder(GetFolderOf(Path));
    ReadPending = !missing && !(opening == TFileOpening::Opened && ReadToEnd(file, Buffer));
    if (missing && Known && Memory.GetLineCount() > 0) {
        const unsigned long long now = GetTickCount64();
        MissingSince = MissingSince != 0 ? MissingSince : now;
        ReadPending = now - MissingSince < MissingForGood;
    } else {
        MissingSince = 0;
    }
    if (ReadPending) {
        return false;
    }
    Known = true;
    return Memory.Follow(Buffer);
}
