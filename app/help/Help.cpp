#include "app/help/Help.h"

#include <windows.h>

namespace {

using THtmlHelp = HWND(WINAPI*)(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data);

const UINT DisplayTopic = 0;  // HH_DISPLAY_TOPIC

std::wstring ReadHtmlHelpLocation() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return std::wstring();
    }
    wchar_t value[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH * sizeof(wchar_t);
    DWORD type = 0;
    const LSTATUS status = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::wstring();
    }
    if (type != REG_EXPAND_SZ) {
        return value;
    }
    wchar_t expanded[MAX_PATH + 1] = {};
    const DWORD length = ExpandEnvironmentStringsW(value, expanded, MAX_PATH);
    return length > 0 && length <= MAX_PATH ? std::wstring(expanded) : std::wstring();
}

// Found at the first request; a failure is remembered, so later requests return at once.
THtmlHelp FindHtmlHelp() {
    static const THtmlHelp entry = [] {
        HMODULE library = nullptr;
        const std::wstring location = ReadHtmlHelpLocation();
        if (!location.empty()) {
            library = LoadLibraryW(location.c_str());
        }
        if (!library) {
            library = LoadLibraryW(L"hhctrl.ocx");
        }
        if (!library) {
            return THtmlHelp(nullptr);
        }
        return reinterpret_cast<THtmlHelp>(reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(15))));
    }();
    return entry;
}

void DisplayHelp(const std::wstring& target) {
    if (THtmlHelp htmlHelp = FindHtmlHelp()) {
        htmlHelp(nullptr, target.c_str(), DisplayTopic, 0);
    }
}

}  // namespace

std::wstring MakeHelpFilePath(const std::wstring& executablePath) {
    const size_t separator = executablePath.find_last_of(L"\\/");
    const std::wstring folder = separator == std::wstring::npos ? executablePath : executablePath.substr(0, separator);
    return folder + L"/Help.chm";
}

std::wstring GetHelpFilePath() {
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return MakeHelpFilePath(path);
}

void ShowHelp(const std::wstring& helpFilePath) { DisplayHelp(helpFilePath); }

void ShowHelpTopic(const std::wstring& topic, const std::wstring& helpFilePath) {
    DisplayHelp(helpFilePath + L"::" + topic);
}
