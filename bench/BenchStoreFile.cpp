#include "bench/BenchStoreFile.h"

#include "store/DateTimeText.h"
#include "store/Notification.h"
#include "store/RecordLine.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

void WriteBenchDataFile(const std::wstring& path, int count) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    for (int index = 0; index < count; ++index) {
        const TDateTimeText due = AddDuration("2030.01.01 00:00:00", "00:00:" + std::to_string(index));
        file << FormatRecordLine(TNotification(due, L"Reminder " + std::to_wstring(index) + L": call the dentist"));
    }
}

TBenchFolder::TBenchFolder() {
    wchar_t temporary[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temporary);
    Path = std::wstring(temporary) + L"nudgely-bench-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(Path.c_str(), nullptr);
}

TBenchFolder::~TBenchFolder() {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((Path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileW((Path + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(Path.c_str());
}
