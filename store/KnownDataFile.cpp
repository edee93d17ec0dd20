#include "store/KnownDataFile.h"

#include "store/FileReading.h"

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
    const TDataFileChangeResult result = ChangeDataFile(Path, Memory, wait, Buffer, plan);
    Known = true;
    return result;
}

// Shared with every other program, so that reading never stands in their way. Gives whether the
// lines changed.
bool TKnownDataFile::Read() {
    TFileHandle file(INVALID_HANDLE_VALUE);
    const TFileOpening opening = OpenFileForReading(Path, true, file);
    Buffer.clear();
    ReadPending = !(opening == TFileOpening::Missing || (opening == TFileOpening::Opened && ReadToEnd(file, Buffer)));
    if (ReadPending) {
        return false;
    }
    Known = true;
    return Memory.Follow(Buffer);
}
