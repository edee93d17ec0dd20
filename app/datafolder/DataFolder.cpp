#include "app/datafolder/DataFolder.h"

#include "app/settings/SettingsFile.h"
#include "store/FileOperations.h"
#include "store/Utf8Text.h"

#include <windows.h>
#include <shlobj.h>

#include <fstream>

namespace {

std::wstring GetProgramFolder() {
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program(path, length);
    return program.substr(0, program.find_last_of(L"\\/"));
}

std::wstring GetApplicationDataFolder() {
    wchar_t appData[MAX_PATH] = {};
    // Without an application-data folder the data folder falls back to the root of the drive.
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData))) {
        appData[0] = L'\0';
    }
    return std::wstring(appData) + L"\\Nudgely";
}

std::wstring ExpandVariables(const std::wstring& text) {
    const DWORD size = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    std::wstring expanded(size, L'\0');
    if (size == 0 || ExpandEnvironmentStringsW(text.c_str(), &expanded[0], size) == 0) {
        return text;
    }
    expanded.resize(size - 1);
    return expanded;
}

}  // namespace

TDataPaths GetDataPaths() {
    TDataPaths paths;
    const std::wstring programFolder = GetProgramFolder();
    paths.Portable = FileExists(programFolder + L"\\portable");
    paths.Folder = paths.Portable ? programFolder : GetApplicationDataFolder();
    paths.HotKeys = paths.Folder + L"\\hotkeys";
    paths.Settings = paths.Folder + L"\\settings";
    return ChooseRemindersFolder(paths, TSettingsFile(paths.Settings).Get().DataFolder);
}

TDataPaths ChooseRemindersFolder(TDataPaths paths, const std::optional<std::string>& dataFolder) {
    paths.RemindersFolder = paths.Folder;
    paths.Problem = TDataFolderProblem::None;
    paths.ChosenText.clear();
    if (dataFolder) {
        paths.ChosenText = DecodeUtf8(*dataFolder);
        std::wstring folder;
        paths.Problem = CheckDataFolderText(ExpandVariables(paths.ChosenText), folder);
        const DWORD attributes = GetFileAttributesW(folder.c_str());
        if (paths.Problem == TDataFolderProblem::None && attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            paths.Problem = TDataFolderProblem::NamesAFile;
        }
        if (paths.Problem == TDataFolderProblem::None) {
            paths.RemindersFolder = folder;
        }
    }
    paths.Store = GetStorePath(paths.RemindersFolder);
    return paths;
}

void PrepareDataFolder(const TDataPaths& paths) {
    CreateDirectoryW(paths.Folder.c_str(), nullptr);
    if (FileExists(paths.HotKeys)) {
        return;
    }
    std::ofstream file(paths.HotKeys.c_str(), std::ios::out | std::ios::trunc);
    file << "AddNotification:Ctrl-Alt-N" << std::endl;
}

std::wstring GetStorePath(const std::wstring& folder) {
    return folder + (folder.empty() || folder.back() == L'\\' ? L"" : L"\\") + L"notifications";
}

bool IsFolderWritable(const std::wstring& folder) {
    const std::wstring probe = folder + L"\\nudgely-write-check.tmp";
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}
