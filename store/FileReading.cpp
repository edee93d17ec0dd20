#include "store/FileReading.h"

#include "store/HolderPauses.h"

TFileOpening OpenFileForReading(const std::wstring& path, bool shareWriting, TFileHandle& file) {
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_DELETE | (shareWriting ? FILE_SHARE_WRITE : 0);
    file = TFileHandle(CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                   nullptr));
    if (file.IsValid()) {
        return TFileOpening::Opened;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        return TFileOpening::Missing;
    }
    // Access is also denied for a folder, which no wait makes readable.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return IsHeldByAnotherProgram(error) && !folder ? TFileOpening::Held : TFileOpening::Failed;
}

bool ReadToEnd(const TFileHandle& file, std::string& content) {
    LARGE_INTEGER size{};
    content.clear();
    if (GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0) {
        content.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr)) {
        if (read == 0) {
            return true;
        }
        content.append(buffer, read);
    }
    return false;
}
