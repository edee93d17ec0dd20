#include "store/KnownDataFile.h"

#include "store/FileOperations.h"
#include "store/FileReading.h"
#include "store/Utf8Text.h"

#include <stdexcept>

namespace {

// The folder, with its last separator, that holds the file at path.
std::wstring GetFolderOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring(L".") : path.substr(0, separator + 1);
}

}  // namespace

TKnownDataFile::TKnownDataFile(std::wstring path) : Path(std::move(path)), FolderWatch(GetFolderOf(Path)) { Read(); }

bool TKnownDataFile::ReadIfChanged() {
    if (!FolderWatch.TakeChange() && !ReadPending) {
        return false;
    }
    const bool wasKnown = Known;
    return Read() || (Known && !wasKnown);
}

TDataFileChangeResult TKnownDataFile::Change(THolderWait wait, const TDataFileChangePlan& plan) {
    if (!IsExistingFolder(GetFolderOf(Path))) {
        const std::wstring folder = GetFolderOf(Path);
        throw std::runtime_error("TNotificationsDb: no folder " + EncodeUtf8(folder.substr(0, folder.size() - 1)));
    }
    const TDataFileChangeResult result = ChangeDataFile(Path, Memory, wait, Buffer, plan);
    Known = true;
    return result;
}

void TKnownDataFile::MoveTo(std::wstring path) {
    Path = std::move(path);
    FolderWatch.Watch(GetFolderOf(Path));
    ReadPending = true;
}

// Shared with every other program, so that reading never stands in their way. Gives whether the
// lines changed.
bool TKnownDataFile::Read() {
    TFileHandle file(INVALID_HANDLE_VALUE);
    const TFileOpening opening = OpenFileForReading(Path, true, file);
    Buffer.clear();
    const bool missing = opening == TFileOpening::Missing && IsExistingFolder(GetFolderOf(Path));
    ReadPending = !(missing || (opening == TFileOpening::Opened && ReadToEnd(file, Buffer)));
    if (ReadPending) {
        return false;
    }
    Known = true;
    return Memory.Follow(Buffer);
}
