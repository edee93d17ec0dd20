#pragma once

#include <string>

// Plain file operations that report failure only through their result.

// False for a missing file and for a folder.
bool FileExists(const std::wstring& path);
// Replaces an existing target.
bool DuplicateFile(const std::wstring& source, const std::wstring& target);
bool RemoveFile(const std::wstring& path);
// False for a missing folder and for a file.
bool IsExistingFolder(const std::wstring& folder);
// The folder that holds the file at path, with its last separator ("." for a bare name), and the
// file's name.
std::wstring GetFolderOf(const std::wstring& path);
std::wstring GetFileNameOf(const std::wstring& path);
