#include "store/FolderChangeWatch.h"

namespace {

const DWORD WatchedChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;

}  // namespace

TFolderChangeWatch::TFolderChangeWatch(const std::wstring& folder)
    : Folder(folder), Handle(FindFirstChangeNotificationW(folder.c_str(), FALSE, WatchedChanges)) {}

TFolderChangeWatch::~TFolderChangeWatch() { Close(); }

// The watch is asked again before the caller reads, so that a change made during the read is
// told at the next call.
bool TFolderChangeWatch::TakeChange() {
    if (Handle == INVALID_HANDLE_VALUE) {
        Handle = FindFirstChangeNotificationW(Folder.c_str(), FALSE, WatchedChanges);
        return true;
    }
    const DWORD state = WaitForSingleObject(Handle, 0);
    if (state == WAIT_TIMEOUT) {
        return false;
    }
    if (state != WAIT_OBJECT_0 || !FindNextChangeNotification(Handle)) {
        Close();
    }
    return true;
}

void TFolderChangeWatch::Watch(const std::wstring& folder) {
    Close();
    Folder = folder;
}

void TFolderChangeWatch::Close() {
    if (Handle != INVALID_HANDLE_VALUE) {
        FindCloseChangeNotification(Handle);
        Handle = INVALID_HANDLE_VALUE;
    }
}
