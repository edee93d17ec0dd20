#pragma once

#include "app/datafolder/DataFolder.h"
#include "ui/Handler.h"

#include <string>

class TNotificationsDb;
class TSettingsFile;

// The folder the reminders live in while the program runs: chosen from the tray menu, switched at
// once (the store, and with it the list, the tooltip, the due check and the folder watch, follow),
// and watched for being there. A chosen folder that is gone (a stick pulled out, a network drive
// not connected) is told once, in a message naming it and in the tooltip while it lasts; the store
// keeps what it holds and refuses changes, and reads the folder again when it is back.
class TRemindersFolder {
public:
    TRemindersFolder(TNotificationsDb& store, TSettingsFile& settings, TDataPaths paths);

    // The tray menu's entry: the system's folder picker on the current folder, then the switch.
    void Choose();
    // Moves the reminders to the folder, or joins them with those it holds, and switches to it
    // (see RemindersMove.h); the own folder means the default again, and the settings lose their
    // DataFolder line. A failure is reported and changes nothing. Gives whether it switched.
    bool SwitchTo(const std::wstring& folder);

    // At every scheduler tick; tells at the first what kept the settings' folder from being used
    // and a portable copy that cannot write.
    void FollowTick();
    // For the tooltip: that the folder is not there; empty while it is.
    std::wstring DescribeAbsence() const;
    const std::wstring& GetFolder() const { return Paths.RemindersFolder; }
    // Runs when the folder goes, comes back or changes.
    void SetOnChange(THandler handler) { OnChange = std::move(handler); }

private:
    void TellStartProblems();
    void FollowPresence();

    TNotificationsDb& Store;
    TSettingsFile& Settings;
    TDataPaths Paths;
    THandler OnChange;
    bool StartTold = false;
    bool Missing = false;
    bool Choosing = false;
};
