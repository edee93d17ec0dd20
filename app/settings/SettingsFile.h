#pragma once

#include "app/settings/SettingsText.h"

#include <stdexcept>
#include <string>

// The settings file in the data folder (see SettingsText.h), read once when the object is made:
// a missing or unreadable file gives the defaults. Nothing watches it afterwards.
class TSettingsFile {
public:
    class TException : public std::runtime_error {
    public:
        TException() : std::runtime_error("TSettingsFile: unable to write the settings file") {}
    };

    explicit TSettingsFile(std::wstring path);

    const TSettings& Get() const { return Settings; }
    // Writes the settings into the file as it is now, so that lines another program added
    // meanwhile stay, and takes them. A choice that would not outlast this run is no choice the
    // user made: when the file cannot be written (another program holds it), nothing changes,
    // not even for this run, and it throws TException.
    void Change(const TSettings& settings);

private:
    std::wstring Path;
    TSettings Settings;
    // What was last read or written, for a file that cannot be read when it is written again.
    std::string Content;
};
