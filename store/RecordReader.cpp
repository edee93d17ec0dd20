#include "store/RecordReader.h"

#include "store/FileHandle.h"
#include "store/RecordLine.h"

#include <algorithm>
#include <memory>

namespace {

// The due check reads only the first line, so its first read stays small; a change reads the
// whole file in few reads. A larger buffer costs more than it saves: blocks of 128 KB and more
// come from the system at every allocation, which takes longer than several reads.
const std::size_t FirstReadSize = 16384;
const std::size_t LargestReadSize = 65536;

class TFileByteSource : public TByteSource {
public:
    TFileByteSource(std::wstring path, TRecordReader::TOpening opening) : Path(std::move(path)), Opening(opening) {}

    bool ReadBytes(char* buffer, std::size_t capacity, std::size_t& count) override {
        count = 0;
        if (AtEnd) {
            return true;
        }
        if (!File.IsValid()) {
            const HANDLE handle = CreateFileW(Path.c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            const DWORD error = GetLastError();
            File = TFileHandle(handle);
            if (!File.IsValid()) {
                return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
            }
            LARGE_INTEGER offset;
            offset.QuadPart = Offset;
            if (!SetFilePointerEx(File.Get(), offset, nullptr, FILE_BEGIN)) {
                File.Close();
                return false;
            }
        }
        DWORD read = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(capacity, MAXDWORD));
        const bool done = ReadFile(File.Get(), buffer, wanted, &read, nullptr) != FALSE;
        if (done) {
            Offset += read;
            count = read;
            // A file gives less than asked only at its end; that saves opening it once more.
            AtEnd = read < wanted;
        }
        if (!done || AtEnd || Opening == TRecordReader::TOpening::ForEachRead) {
            File.Close();
        }
        return done;
    }

private:
    std::wstring Path;
    TRecordReader::TOpening Opening;
    TFileHandle File{INVALID_HANDLE_VALUE};
    LONGLONG Offset = 0;
    bool AtEnd = false;
};

}  // namespace

TRecordReader::TRecordReader(const std::wstring& path, TOpening opening)
    : Lines(std::make_unique<TFileByteSource>(path, opening),
            opening == TOpening::UntilTheEnd ? LargestReadSize : FirstReadSize, LargestReadSize) {}

bool TRecordReader::ReadRecord(TNotification& record) { return ReadNextRecord(Lines, Line, record); }

bool TRecordReader::ReadRecordLine() { return ReadNextRecordLine(Lines, Line); }
