#pragma once

#include <windows.h>

// How long a change waits for other programs that hold the data file.
enum class THolderWait { AboutTwoSeconds, None };

// Virus scanners, backup and sync tools open a file for a moment, and an editor holds it while it
// saves: what they stand in the way of is tried again after growing pauses, for about two seconds
// in all, before it is given up.
class THolderPauses {
public:
    explicit THolderPauses(THolderWait wait);

    // Pauses once; false, without pausing, once the wait is spent.
    bool Pause();

private:
    DWORD Total;
    DWORD Paused = 0;
    DWORD Next;
};

// Whether a failed open, move or replace met another program's hold on the file.
bool IsHeldByAnotherProgram(DWORD error);
