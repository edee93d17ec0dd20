#include "store/RecordReader.h"

#include "store/FileHandle.h"
#include "store/RecordLine.h"

#include <algorithm>
#include <memory>

namespace {

// The due check reads only the first line, so the first read stays small; a change reads the
// whole file, and every read opens it again, which costs a round trip to the file system. A
// buffer of a megabyte or more costs more than it saves: the heap hands it out as fresh pages.
const std::size_t FirstReadSize = 16384;
const std::size_t LargestReadSize = 262144;

class TFileByteSource : public TByteSource {
public:
    explicit TFileByteSource(std::wstring path) : Path(std::move(path)) {}

    bool ReadBytes(char* buffer, std::size_t capacity, std::size_t& count) override {
        count = 0;
        if (AtEnd) {
            return true;
        }
        const TFileHandle file(CreateFileW(Path.c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsValid()) {
            const DWORD error = GetLastError();
            return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        }
        LARGE_INTEGER offset;
        offset.QuadPart = Offset;
        DWORD read = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(capacity, MAXDWORD));
        if (!SetFilePointerEx(file.Get(), offset, nullptr, FILE_BEGIN) ||
            !ReadFile(file.Get(), buffer, wanted, &read, nullptr)) {
            return false;
        }
        Offset += read;
        count = read;
        // A file gives less than asked only at its end; that saves opening it once more.
        AtEnd = read < wanted;
        return true;
    }

private:
    std::wstring Path;
    LONGLONG Offset = 0;
    bool AtEnd = false;
};

}  // namespace

TRecordReader::TRecordReader(const std::wstring& path)
    : Lines(std::make_unique<TFileByteSource>(path), FirstReadSize, LargestReadSize) {}

bool TRecordReader::ReadRecord(TNotification& record) { return ReadNextRecord(Lines, Line, record); }
