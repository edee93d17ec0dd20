#include "app/settings/SettingsFile.h"

#include "store/FileContent.h"
#include "store/FileOperations.h"

TSettingsFile::TSettingsFile(std::wstring path) : Path(std::move(path)) {
    if (ReadFileContent(Path, Content)) {
        Settings = ReadSettings(Content);
    } else {
        Content.clear();
    }
}

void TSettingsFile::Change(const TSettings& settings) {
    std::string current;
    // A file the user removed is written anew from the settings alone.
    if (ReadFileContent(Path, current) || !FileExists(Path)) {
        Content = current;
    }
    const std::string written = WriteSettings(Content, settings);
    if (!ReplaceFileContent(Path, written)) {
        throw TException();
    }
    Settings = settings;
    Content = written;
}
