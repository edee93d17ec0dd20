#pragma once

#include "store/TemporaryFolder.h"

#include <string>

// A private copy of the voice note of the reminder on screen. The scheduler takes a fired
// reminder out of the store, and with it the store's sound file, as soon as the reminder is
// shown; replaying and snoozing still need the recording for as long as the user looks at it.
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
