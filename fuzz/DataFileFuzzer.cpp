// A whole data file through the store's reading: the buffered line reader, the records it
// yields and the ID list built from their count, then one rewrite of the records.

#include "fuzz/FuzzCheck.h"
#include "store/IdList.h"
#include "store/LineReader.h"
#include "store/RecordLine.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

// Hands out the file's bytes in pieces of a chosen size, as a file read in parts would.
class TMemorySource : public TByteSource {
public:
    TMemorySource(const std::string& bytes, std::size_t piece) : Bytes(bytes), Piece(piece) {}

    bool ReadBytes(char* buffer, std::size_t capacity, std::size_t& count) override {
        count = std::min({capacity, Piece, Bytes.size() - Position});
        std::copy_n(Bytes.data() + Position, count, buffer);
        Position += count;
        return true;
    }

private:
    const std::string& Bytes;
    std::size_t Piece;
    std::size_t Position = 0;
};

std::vector<TNotification> ReadRecords(const std::string& bytes, std::size_t piece, std::size_t bufferSize) {
    TLineReader lines(std::make_unique<TMemorySource>(bytes, piece), bufferSize);
    std::vector<TNotification> records;
    std::string_view line;
    TNotification record;
    while (ReadNextRecord(lines, line, record)) {
        records.push_back(record);
    }
    FUZZ_CHECK(!lines.HasFailed());
    return records;
}

// The same file split the plain way, all at once.
std::vector<TNotification> ReadRecordsAtOnce(const std::string& bytes) {
    std::vector<TNotification> records;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t lineFeed = bytes.find('\n', start);
        const std::size_t end = lineFeed == std::string::npos ? bytes.size() : lineFeed;
        std::string line = bytes.substr(start, end - start);
        if (lineFeed != std::string::npos && !line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (auto record = ParseRecordLine(line)) {
            records.push_back(*record);
        }
        start = end + 1;
    }
    return records;
}

std::string WriteRecords(const std::vector<TNotification>& records) {
    std::string bytes;
    for (const TNotification& record : records) {
        bytes += FormatRecordLine(record);
    }
    return bytes;
}

void CheckIdList(std::size_t count) {
    const TIdList ids(count);
    FUZZ_CHECK(ids.GetCount() == count);
    FUZZ_CHECK(ids.FindFreeId() == static_cast<std::int32_t>(count));
    if (count > 0) {
        FUZZ_CHECK(ids.GetIdAt(0) == 0);
        FUZZ_CHECK(ids.GetIdAt(count - 1) == static_cast<std::int32_t>(count - 1));
    }
    FUZZ_CHECK(ids.GetIdAt(count) == -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    // The first two bytes choose how the file arrives: the size of each read and of the buffer.
    const std::size_t piece = 1 + data[0] % 64;
    const std::size_t bufferSize = 1 + data[1] % 64;
    const std::string file(reinterpret_cast<const char*>(data + 2), size - 2);

    const std::vector<TNotification> records = ReadRecords(file, piece, bufferSize);
    FUZZ_CHECK(records == ReadRecordsAtOnce(file));
    CheckIdList(records.size());

    // A change writes every record it read; the new file must hold as many records, or every
    // ID after the first difference names the wrong reminder. A second rewrite changes nothing.
    const std::string rewritten = WriteRecords(records);
    const std::vector<TNotification> reread = ReadRecords(rewritten, piece, bufferSize);
    FUZZ_CHECK(reread.size() == records.size());
    for (std::size_t index = 0; index < records.size(); ++index) {
        FUZZ_CHECK(reread[index].Date == records[index].Date);
        FUZZ_CHECK(reread[index].Repeat == records[index].Repeat);
    }
    FUZZ_CHECK(WriteRecords(reread) == rewritten);
    return 0;
}
