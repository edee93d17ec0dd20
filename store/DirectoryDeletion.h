#pragma once

#include <string>

// Deletes the folder with all its files and sub-folders; true when the folder itself went.
bool DeleteDirectoryRecursively(const std::wstring& folder);
