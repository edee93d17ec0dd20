#pragma once

#include "store/DataFileMemory.h"
#include "store/HolderPauses.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct TDataFileChangeResult {
    bool Made = false;
    // Of the line the change put in, or -1.
    std::int32_t InsertedId = -1;
    // Whether the file held lines the memory did not know, written by another program.
    bool ChangedOutside = false;
};

// Plans the change against the memory as it is at that moment: nothing to do, or what to change.
using TDataFileChangePlan = std::function<std::optional<TDataFileMemory::TChange>(const TDataFileMemory&)>;

// Makes one change of the data file and of the memory, against what the file holds at that moment:
// it is read, and the memory follows it, from a handle that lets no other program write the file,
// until the new file that replaces it is complete. An editor that saves in place makes the change
// wait until it closes the file; one that opens it after that, before the new file is in place,
// makes the change start again from what that program wrote. Waits for such programs as told.
// Every failure throws a runtime error "TNotificationsDb: ..." and leaves the file as it was. The
// file is read into the buffer.
TDataFileChangeResult ChangeDataFile(const std::wstring& path, TDataFileMemory& memory, THolderWait wait,
                                     std::string& buffer, const TDataFileChangePlan& plan);
