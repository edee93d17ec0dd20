#include "store/DirectoryDeletion.h"

#include "store/DirectoryIterator.h"
#include "store/FileOperations.h"

#include <windows.h>

bool DeleteDirectoryRecursively(const std::wstring& folder) {
    for (TDirectoryIterator file(folder, L"*", false); file.IsValid(); file.Next()) {
        RemoveFile(file.GetFullPath());
    }
    for (TDirectoryIterator subfolder(folder, L"*", true); subfolder.IsValid(); subfolder.Next()) {
        DeleteDirectoryRecursively(subfolder.GetFullPath());
    }
    return RemoveDirectoryW(folder.c_str()) != FALSE;
}
