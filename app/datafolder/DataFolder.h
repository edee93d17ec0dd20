#pragma once

#include "app/datafolder/DataFolderText.h"

#include <optional>
#include <string>

// Where the program keeps its files. The hot keys and settings belong to the PC and live in its
// own folder: %APPDATA%\Nudgely, or the program's folder when a file named "portable" stands
// beside nudgely.exe. The reminders and their voice notes live in the reminders folder, which
// the settings' DataFolder line may choose anywhere else (a sync service's folder, a stick).
struct TDataPaths {
    std::wstring Folder;
    std::wstring HotKeys;
    std::wstring Settings;
    bool Portable = false;
    // The own folder, unless DataFolder names a usable one; a chosen folder may be missing.
    std::wstring RemindersFolder;
    std::wstring Store;
    // What keeps the DataFolder line from being used, and its value as written, for telling.
    TDataFolderProblem Problem = TDataFolderProblem::None;
    std::wstring ChosenText;
};

// Reads the settings file of the own folder for the reminders folder.
TDataPaths GetDataPaths();

// The reminders folder chosen by a DataFolder value, or the default when there is none or it
// cannot be used (the problem then says why). Environment variables in it are expanded.
TDataPaths ChooseRemindersFolder(TDataPaths paths, const std::optional<std::string>& dataFolder);

// Makes the own folder and, on the first run only, the hot keys file with its default binding. A
// chosen reminders folder is never made: a missing one is a stick or drive not there yet.
void PrepareDataFolder(const TDataPaths& paths);

// The data file's path in a folder.
std::wstring GetStorePath(const std::wstring& folder);
// Whether a file can be made in the folder: a portable copy on a read-only medium cannot.
bool IsFolderWritable(const std::wstring& folder);
