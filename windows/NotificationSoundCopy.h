#pragma once

#include "store/TemporaryFolder.h"

#include <string>

// A private copy of the voice note of the reminder on screen. The store's own file goes when the
// reminder's line is edited or deleted while it is on screen (in the list, by another program),
// and a playback would hold it open against the store's deleting it once the user answers;
// replaying and choosing a time still need the recording for as long as the user looks at it.
// The copy goes with this object.
class TNotificationSoundCopy {
public:
    explicit TNotificationSoundCopy(const std::wstring& sourcePath);
    TNotificationSoundCopy(const TNotificationSoundCopy&) = delete;
    TNotificationSoundCopy& operator=(const TNotificationSoundCopy&) = delete;

    const std::wstring& GetPath() const { return Path; }

private:
    TTemporaryFolder Folder;
    std::wstring Path;
};
