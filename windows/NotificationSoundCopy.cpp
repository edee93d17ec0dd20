#include "windows/NotificationSoundCopy.h"

#include "store/FileOperations.h"

// Without a folder of its own the note can only be read where the store keeps it.
TNotificationSoundCopy::TNotificationSoundCopy(const std::wstring& sourcePath)
    : Path(Folder.GetPath().empty() ? sourcePath : Folder.GetPath() + L"\\note.pcm") {
    if (Path != sourcePath) {
        DuplicateFile(sourcePath, Path);
    }
}
