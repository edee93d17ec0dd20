#pragma once

#include "store/DataFileMemory.h"
#include "store/FileReading.h"
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

// Opens the data file; one that a change cut short left aside is put back first.
TFileOpening OpenDataFile(const std::wstring& path, TReadingHold hold, TFileHandle& file);

// Makes one change of the data file and of the memory, against what the file holds at that moment:
// it is read, and the memory follows it, from a handle that lets no other program write, rename or
// delete the file until the new file has taken its place. A program that saves or deletes it
// meanwhile waits or fails; one that held it before makes the change wait, and one that puts a file
// in place of a missing one makes it start again from what that program wrote. A file missing for
// a moment while the memory knows lines is waited for. Waits for such programs as told. Every
// failure throws a runtime error "TNotificationsDb: ..." and leaves the file as it was; the result
// tells what was found so far, also then. The file is read into the buffer.
void ChangeDataFile(const std::wstring& path, TDataFileMemory& memory, THolderWait wait, std::string& buffer,
                    const TDataFileChangePlan& plan, TDataFileChangeResult& result);
