#include "store/FileReading.h"

#include "store/HolderPauses.h"

#include <algorithm>

TFileOpening OpenFileForReading(const std::wstring& path, TReadingHold hold, TFileHandle& file) {
    const DWORD access = GENERIC_READ | (hold == TReadingHold::EveryChange ? DELETE : 0);
    const DWORD share = hold == TReadingHold::EveryChange ? FILE_SHARE_READ
                        : hold == TReadingHold::Writers   ? FILE_SHARE_READ | FILE_SHARE_DELETE
                                                          : FILE_SHARE_READ | FILE_SHARE_DELETE | FILE_SHARE_WRITE;
    file = TFileHandle(CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
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

// Straight into the content's room, which a caller that reads again and again keeps.
bool ReadToEnd(const TFileHandle& file, std::string& content) {
    LARGE_INTEGER size{};
    const std::size_t expected = GetFileSizeEx(file.Get(), &size) ? static_cast<std::size_t>(size.QuadPart) : 0;
    const std::size_t readSize = 65536;
    std::size_t filled = 0;
    for (;;) {
        content.resize(std::max(filled + readSize, expected + 1));
        DWORD read = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(content.size() - filled, MAXDWORD));
        if (!ReadFile(file.Get(), &content[filled], wanted, &read, nullptr)) {
            content.resize(filled);
            return false;
        }
        filled += read;
        if (read == 0) {
            content.resize(filled);
            return true;
        }
    }
}
