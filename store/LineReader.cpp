#include "store/LineReader.h"

#include <algorithm>
#include <utility>

TLineReader::TLineReader(std::unique_ptr<TByteSource> source, std::size_t bufferSize, std::size_t largestBufferSize)
    : Source(std::move(source)),
      Buffer(std::max<std::size_t>(bufferSize, 1)),
      LargestBufferSize(std::max(largestBufferSize, Buffer.size())) {}

bool TLineReader::ReadLine(std::string& line) {
    line.clear();
    bool readAnything = false;
    while (true) {
        if (Position == Filled && !FillBuffer()) {
            // A failure mid-line leaves an incomplete line, which is no line at all.
            return readAnything && !Failed;
        }
        const char* begin = Buffer.data() + Position;
        const char* end = Buffer.data() + Filled;
        const char* lineFeed = std::find(begin, end, '\n');
        line.append(begin, lineFeed);
        readAnything = true;
        Position = static_cast<std::size_t>(lineFeed - Buffer.data());
        if (lineFeed != end) {
            ++Position;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return true;
        }
    }
}

bool TLineReader::FillBuffer() {
    if (AtEnd || Failed) {
        return false;
    }
    // Only a read that filled the buffer calls for a larger one; the one after a short read
    // usually finds the end.
    if (Filled == Buffer.size() && Buffer.size() < LargestBufferSize) {
        Buffer.resize(std::min(Buffer.size() * 8, LargestBufferSize));
    }
    std::size_t count = 0;
    if (!Source->ReadBytes(Buffer.data(), Buffer.size(), count)) {
        Failed = true;
        return false;
    }
    Position = 0;
    Filled = count;
    AtEnd = count == 0;
    return !AtEnd;
}
