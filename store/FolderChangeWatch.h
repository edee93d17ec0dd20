#pragma once

#include <windows.h>

#include <string>

// Tells whether the files of a folder may have changed: created, deleted, renamed, written or
// resized, by this program or any other. A change notification of the system, asked without
// waiting, so that nothing is read while nothing changes.
class TFolderChangeWatch {
public:
    explicit TFolderChangeWatch(const std::wstring& folder);
    ~TFolderChangeWatch();
    TFolderChangeWatch(const TFolderChangeWatch&) = delete;
    TFolderChangeWatch& operator=(const TFolderChangeWatch&) = delete;

    // Whether anything changed since the last call, or since the watch began. Always true for a
    // folder that cannot be watched (missing, or on a file system that gives no notifications);
    // such a folder is tried again at every call, so that one that comes back is watched again.
    bool TakeChange();
    // Watches another folder from now on; the next call tells of a change.
    void Watch(const std::wstring& folder);

private:
    void Close();

    std::wstring Folder;
    HANDLE Handle;
};
