#pragma once

#include <string>

// What keeps a DataFolder value, its environment variables expanded, from naming a folder the
// reminders can live in. The program then says which and keeps the default folder: a relative
// path would follow the working folder of whoever starts it.
enum class TDataFolderProblem { None, Empty, Relative, TooLong, CannotBeMade, NamesAFile };

// The folder without trailing separators ("D:\" stays as it is), or the problem of the text
// alone; a file in its place is found by asking the file system.
TDataFolderProblem CheckDataFolderText(const std::wstring& value, std::wstring& folder);

// Whether two folder paths name the same folder as Windows compares names: letters in any case,
// "/" for "\", trailing separators left out.
bool IsSameFolderPath(const std::wstring& left, const std::wstring& right);
