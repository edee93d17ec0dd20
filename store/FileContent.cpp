#include "store/FileContent.h"

#include "store/FileHandle.h"
#include "store/FileReading.h"
#include "store/ReplacementFile.h"

bool ReadFileContent(const std::wstring& path, std::string& content) {
    TFileHandle file(INVALID_HANDLE_VALUE);
    return OpenFileForReading(path, TReadingHold::Nothing, file) == TFileOpening::Opened && ReadToEnd(file, content);
}

bool WriteFileContent(const std::wstring& path, const std::string& content) {
    TFileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        return false;
    }
    DWORD written = 0;
    const bool complete = content.empty() || (WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()),
                                                        &written, nullptr) &&
                                              written == content.size());
    return file.Close() && complete;
}

bool ReplaceFileContent(const std::wstring& path, const std::string& content) {
    TReplacementFile replacement(path);
    return replacement.IsOpen() && replacement.Write(content) && replacement.Finish() && replacement.ReplaceTarget();
}
