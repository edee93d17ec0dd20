#pragma once

#include <windows.h>

#include <string>

// Lists the entries of a folder that match a wildcard mask: with wantFolders false only files,
// with wantFolders true only sub-folders, never "." or "..".
class TDirectoryIterator {
public:
    TDirectoryIterator(const std::wstring& folder, const std::wstring& mask, bool wantFolders);
    ~TDirectoryIterator();
    TDirectoryIterator(const TDirectoryIterator&) = delete;
    TDirectoryIterator& operator=(const TDirectoryIterator&) = delete;

    bool IsValid() const { return !AtEnd; }
    // Empty when not valid.
    std::wstring GetName() const;
    std::wstring GetFullPath() const;
    void Next();

private:
    void SkipUnwanted();
    bool IsWanted() const;
    void Advance();

    std::wstring Folder;
    bool WantFolders;
    HANDLE Search = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW Entry{};
    bool AtEnd = true;
};
