#include "bench/BenchDataFolder.h"

#include "store/RecordLine.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

std::wstring GetDataFolder() {
    wchar_t appData[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    return std::wstring(appData) + L"\\Nudgely";
}

void ClearDataFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(GetDataFolder()), ignored);
}

void WriteReminders(const std::vector<TNotification>& reminders) {
    const std::filesystem::path folder(GetDataFolder());
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::ofstream file(folder / L"notifications", std::ios::binary | std::ios::trunc);
    for (const TNotification& reminder : reminders) {
        file << FormatRecordLine(reminder);
    }
}

std::string FormatLocalDateTime(unsigned long long utcTicks) {
    FILETIME utc{static_cast<DWORD>(utcTicks), static_cast<DWORD>(utcTicks >> 32)};
    FILETIME local;
    SYSTEMTIME fields;
    FileTimeToLocalFileTime(&utc, &local);
    FileTimeToSystemTime(&local, &fields);
    char text[32];
    std::snprintf(text, sizeof(text), "%04u.%02u.%02u %02u:%02u:%02u", fields.wYear, fields.wMonth, fields.wDay,
                  fields.wHour, fields.wMinute, fields.wSecond);
    return text;
}

unsigned long long ReadUtcTicks() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}
