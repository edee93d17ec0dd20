#pragma once

#include <string>
#include <string_view>

// Names of the files the program leaves beside the data file for a moment while it replaces it.
// They begin with "~$", which OneDrive never uploads (it refuses names that begin so), Nextcloud
// and ownCloud skip ("~$*" in their fixed exclude list) and Dropbox skips as Office's lock files,
// and end in ".tmp", which Dropbox skips after a leading "~" and many other tools skip too. Syncthing
// skips only its own temporary files and what the folder's .stignore names; a folder of the
// user's has no .stignore of ours, so Syncthing may carry such a file while it exists, and a
// file that goes again within the second of its watcher's delay is seldom seen at all.
enum class TSideFile {
    // The new content, written in full before it takes the data file's name.
    Replacement,
    // The old data file, stepped aside while the replacement takes its name.
    Replaced,
};

std::wstring MakeSideFileName(std::wstring_view dataFileName, TSideFile kind);

// Whether a name is one of those files, or a temporary file a sync service writes while it
// brings a new version ("~syncthing~notifications.tmp" on Windows, ".syncthing.notifications.tmp"
// elsewhere, "~$" and "~" names of others): never anything to read as the program's data.
bool IsTransientSideFileName(std::wstring_view name);
