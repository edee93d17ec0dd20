#pragma once

#include "store/DataFileChange.h"
#include "store/DataFileMemory.h"
#include "store/FolderChangeWatch.h"
#include "store/HolderPauses.h"

#include <cstdint>
#include <string>
#include <utility>

// The store's memory of its data file and when it is read: once when the object is made, then
// again only when the file's folder reported a change (or the last read failed), and by every
// change, which finds for itself whether another program changed the file. Everything else about
// the file is asked of the memory, which reading never touches in between. A read never takes a
// blink for the truth: while another program writes the file it is read again afterwards, and a
// file that goes missing is taken for deleted only once it has stayed missing for two seconds
// (a sync tool or a script that puts the file back leaves it missing for a moment). A missing
// folder (a stick pulled out, a network drive not connected) is no empty file: the memory stays as
// it was, every change fails, and the file is read again once the folder is back.
class TKnownDataFile {
public:
    explicit TKnownDataFile(std::wstring path);

    // Whether the file has been read at all: another program may hold it without sharing it.
    bool IsKnown() const { return Known; }
    const TDataFileMemory& GetMemory() const { return Memory; }

    // Reads the file again when its folder reported a change or the last read failed; a read that
    // fails is tried again at the next call. Gives whether other programs changed its lines, or
    // the file is known for the first time.
    bool ReadIfChanged();
    // Whether the folder reported a change since the last call (true at first).
    bool TakeFolderChange() { return std::exchange(FolderChanged, false); }
    // The bytes the last read, or the last change before its write, found in the file.
    const std::string& GetBytesRead() const { return Buffer; }
    // Of what this program last wrote into the file; 0 before it wrote.
    std::uint64_t GetLastWritten() { return Memory.GetCommittedFingerprint(); }
    // See ChangeDataFile; the result tells what was found so far also when the change throws.
    void Change(THolderWait wait, const TDataFileChangePlan& plan, TDataFileChangeResult& result);
    // The file at path is the data file from now on, and is read at once; the memory follows it
    // as it follows a change by another program, so that IDs of lines it holds too stay.
    void MoveTo(std::wstring path);

private:
    bool Read();

    std::wstring Path;
    // Made before the first read, so that no change after it goes unseen.
    TFolderChangeWatch FolderWatch;
    TDataFileMemory Memory;
    // Kept from one read to the next, so that reading the file costs no allocation.
    std::string Buffer;
    bool Known = false;
    bool ReadPending = true;
    bool FolderChanged = true;
    // When the file was first found missing while the memory knew lines; 0 while it is there.
    unsigned long long MissingSince = 0;
};
