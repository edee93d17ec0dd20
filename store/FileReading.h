#pragma once

#include "store/FileHandle.h"

#include <string>

enum class TFileOpening { Opened, Missing, Held, Failed };

// What an open for reading keeps other programs from doing until the handle is closed.
enum class TReadingHold {
    // Nothing: the read stands in nobody's way, and may take a file half-written.
    Nothing,
    // Writing: the open is Held while another program has the file open for writing, so that
    // what is read is never half of another program's save. Renames and deletes go on.
    Writers,
    // Writing, renaming and deleting, except through this handle, which may rename and delete
    // the file: for reading a file that is then replaced.
    EveryChange,
};

// Opens a file for reading; it is Held when another program's handle stands against the hold.
TFileOpening OpenFileForReading(const std::wstring& path, TReadingHold hold, TFileHandle& file);
// Reads from the file's current position to its end, in place of the content.
bool ReadToEnd(const TFileHandle& file, std::string& content);
