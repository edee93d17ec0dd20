#include "store/DirectoryIterator.h"

TDirectoryIterator::TDirectoryIterator(const std::wstring& folder, const std::wstring& mask, bool wantFolders)
    : Folder(folder), WantFolders(wantFolders) {
    Search = FindFirstFileW((folder + L"\\" + mask).c_str(), &Entry);
    AtEnd = Search == INVALID_HANDLE_VALUE;
    SkipUnwanted();
}

TDirectoryIterator::~TDirectoryIterator() {
    if (Search != INVALID_HANDLE_VALUE) {
        FindClose(Search);
    }
}

std::wstring TDirectoryIterator::GetName() const { return AtEnd ? std::wstring() : std::wstring(Entry.cFileName); }

std::wstring TDirectoryIterator::GetFullPath() const { return Folder + L"\\" + GetName(); }

void TDirectoryIterator::Next() {
    if (!AtEnd) {
        Advance();
        SkipUnwanted();
    }
}

void TDirectoryIterator::SkipUnwanted() {
    while (!AtEnd && !IsWanted()) {
        Advance();
    }
}

bool TDirectoryIterator::IsWanted() const {
    const bool isFolder = (Entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const std::wstring name = Entry.cFileName;
    return isFolder == WantFolders && name != L"." && name != L"..";
}

void TDirectoryIterator::Advance() { AtEnd = !FindNextFileW(Search, &Entry); }
