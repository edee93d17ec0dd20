#include "store/DataFileChange.h"

#include "store/FileReading.h"
#include "store/ReplacementFile.h"

#include <stdexcept>

namespace {

[[noreturn]] void ThrowFailure(const char* what) { throw std::runtime_error(std::string("TNotificationsDb: ") + what); }

// Another program put a file in place meanwhile, or holds the one there.
bool IsRaced(DWORD error) {
    return IsHeldByAnotherProgram(error) || error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
}

}  // namespace

TDataFileChangeResult ChangeDataFile(const std::wstring& path, TDataFileMemory& memory, THolderWait wait,
                                     std::string& buffer, const TDataFileChangePlan& plan) {
    THolderPauses pauses(wait);
    TDataFileChangeResult result;
    for (;;) {
        TFileHandle held(INVALID_HANDLE_VALUE);
        const TFileOpening opening = OpenFileForReading(path, false, held);
        if (opening == TFileOpening::Held && pauses.Pause()) {
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
            return result;
        }
        TReplacementFile replacement(path);
        if (!replacement.IsOpen()) {
            ThrowFailure("unable to create the new data file");
        }
        if (!replacement.Write(memory.Prepare(*change)) || !replacement.Finish()) {
            ThrowFailure("unable to write the new data file");
        }
        // The new file cannot take the place of one that is open, this program's handle included.
        held.Close();
        if (replacement.TryToReplaceTarget(opening == TFileOpening::Opened)) {
            result.Made = true;
            result.InsertedId = memory.Commit(*change);
            return result;
        }
        if (!IsRaced(GetLastError()) || !pauses.Pause()) {
            ThrowFailure("unable to replace the data file");
        }
    }
}
