#pragma once

#include "app/SettingsText.h"

#include <string>

// The settings file in the data folder (see SettingsText.h), read once when the object is made:
// a missing or unreadable file gives the defaults. Nothing watches it afterwards.
class TSettingsFile {
public:
    explicit TSettingsFile(std::wstring path);

    const TSettings& Get() const { return Settings; }
    // Takes the settings and writes them into the file as it is now, so that lines another
    // program added meanwhile stay. They stay in force for this run when the file cannot be
    // written; gives whether it was.
    bool Change(const TSettings& settings);

private:
    std::wstring Path;
    TSettings Settings;
    // What was last read or written, for a file that cannot be read when it is written again.
    std::string Content;
};
