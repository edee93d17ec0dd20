#pragma once

#include "store/FileHandle.h"

#include <string>

enum class TFileOpening { Opened, Missing, Held, Failed };

// Opens a file for reading. Without write sharing the open waits for nobody: it is Held while
// another program has the file open for writing, and then keeps every other program from writing
// it until the handle is closed.
TFileOpening OpenFileForReading(const std::wstring& path, bool shareWriting, TFileHandle& file);
// Reads from the file's current position to its end, in place of the content.
bool ReadToEnd(const TFileHandle& file, std::string& content);
