#pragma once

#include <string>

// A data file of count reminders due one second apart from 2030 on, written directly.
void WriteBenchDataFile(const std::wstring& path, int count);

// A fresh folder under the system's temporary folder, removed with its files at the end.
class TBenchFolder {
public:
    TBenchFolder();
    ~TBenchFolder();
    TBenchFolder(const TBenchFolder&) = delete;
    TBenchFolder& operator=(const TBenchFolder&) = delete;

    const std::wstring& GetPath() const { return Path; }

private:
    std::wstring Path;
};
