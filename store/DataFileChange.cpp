#include "store/DataFileChange.h"

#include "store/FileOperations.h"
#include "store/FileReading.h"
#include "store/ReplacementFile.h"
#include "store/Utf8Text.h"

#include <stdexcept>

namespace {

[[noreturn]] void ThrowFailure(const char* what) { throw std::runtime_error(std::string("TNotificationsDb: ") + what); }

// A stick pulled out, a network drive not connected: no file is written anywhere else.
void ThrowIfNoFolder(const std::wstring& path) {
    const std::wstring folder = GetFolderOf(path);
    if (!IsExistingFolder(folder)) {
        ThrowFailure(("no folder " + EncodeUtf8(folder.substr(0, folder.size() - 1))).c_str());
    }
}

// Another program put a file in place meanwhile, or holds the one there.
bool IsRaced(DWORD error) {
    return IsHeldByAnotherProgram(error) || error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
}

}  // namespace

TFileOpening OpenDataFile(const std::wstring& path, TReadingHold hold, TFileHandle& file) {
    const TFileOpening opening = OpenFileForReading(path, hold, file);
    return opening == TFileOpening::Missing && TReplacementFile::PutBackCutReplacement(path)
               ? OpenFileForReading(path, hold, file)
               : opening;
}

void ChangeDataFile(const std::wstring& path, TDataFileMemory& memory, THolderWait wait, std::string& buffer,
                    const TDataFileChangePlan& plan, TDataFileChangeResult& result) {
    THolderPauses pauses(wait);
    for (;;) {
        TFileHandle held(INVALID_HANDLE_VALUE);
        const TFileOpening opening = OpenDataFile(path, TReadingHold::EveryChange, held);
        if (opening == TFileOpening::Held && pauses.Pause()) {
            continue;
        }
        if (opening == TFileOpening::Missing) {
            ThrowIfNoFolder(path);
        }
        // A sync tool or a script that puts the file back leaves it missing for a moment.
        if (opening == TFileOpening::Missing && memory.GetLineCount() > 0 && pauses.Pause()) {
            continue;
        }
        buffer.clear();
        if (opening == TFileOpening::Held || opening == TFileOpening::Failed ||
            (opening == TFileOpening::Opened && !ReadToEnd(held, buffer))) {
            ThrowFailure("unable to read the data file");
        }
        result.ChangedOutside = memory.Follow(buffer) || result.ChangedOutside;
        const std::optional<TDataFileMemory::TChange> change = plan(memory);
        if (!change) {
            return;
        }
        TReplacementFile replacement(path);
        if (!replacement.IsOpen()) {
            ThrowFailure("unable to create the new data file");
        }
        if (!replacement.Write(memory.Prepare(*change)) || !replacement.Finish()) {
            ThrowFailure("unable to write the new data file");
        }
        const bool replaced = opening == TFileOpening::Opened ? replacement.TryToReplaceHeldTarget(held)
                                                               : replacement.TryToReplaceTarget(false);
        if (replaced) {
            result.Made = true;
            result.InsertedId = memory.Commit(*change);
            return;
        }
        if (!IsRaced(GetLastError()) || !pauses.Pause()) {
            ThrowFailure("unable to replace the data file");
        }
    }
}
