#pragma once

#include "store/NotificationsDb.h"
#include "store/TemporaryFolder.h"

#include <memory>
#include <string>
#include <vector>

// A reminder store on a data file of its own in a fresh temporary folder, which goes with it and
// with every sound file in it.
class TScratchStore {
public:
    TScratchStore();
    TScratchStore(const TScratchStore&) = delete;
    TScratchStore& operator=(const TScratchStore&) = delete;

    TNotificationsDb& GetDb() { return *Db; }
    // A file in the scratch folder, beside the data file.
    std::wstring GetFilePath(const std::wstring& name) const;
    std::vector<TNotification> ReadAll() const;
    std::int32_t Add(const TDateTimeText& date, const std::wstring& text, const std::wstring& soundFile = L"");

private:
    TTemporaryFolder Folder;
    std::unique_ptr<TNotificationsDb> Db;
};

std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
