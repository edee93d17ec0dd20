#include "windows/tests/ScratchStore.h"

#include <fstream>
#include <iterator>

TScratchStore::TScratchStore() : Db(std::make_unique<TNotificationsDb>(GetFilePath(L"notifications"))) {}

std::wstring TScratchStore::GetFilePath(const std::wstring& name) const { return Folder.GetPath() + L"\\" + name; }

std::vector<TNotification> TScratchStore::ReadAll() const {
    std::vector<TNotification> all;
    for (TNotificationsDb::TIterator reminder = Db->Begin(); reminder.IsValid(); reminder.Next()) {
        all.push_back(reminder.Current());
    }
    return all;
}

std::int32_t TScratchStore::Add(const TDateTimeText& date, const std::wstring& text, const std::wstring& soundFile) {
    TNotification notification(date, text);
    notification.SoundFile = soundFile;
    return Db->AddNotification(notification);
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream file(path.c_str(), std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
