#include "store/LineReader.h"

#include "store/ByteWords.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// The first LF in [begin, end), or end.
const char* FindLineFeed(const char* begin, const char* end) {
    while (end - begin >= 8 && !HoldsByte(LoadByteWord(begin), '\n')) {
        begin += 8;
    }
    return std::find(begin, end, '\n');
}

}  // namespace

TLineReader::TLineReader(std::unique_ptr<TByteSource> source, std::size_t bufferSize, std::size_t largestBufferSize)
    : Source(std::move(source)),
      Buffer(std::max<std::size_t>(bufferSize, 1)),
      LargestBufferSize(std::max(largestBufferSize, Buffer.size())) {}

bool TLineReader::ReadLine(std::string_view& line) {
    std::size_t searched = 0;
    while (true) {
        const char* begin = Buffer.data() + Position;
        const char* end = Buffer.data() + Filled;
        const char* lineFeed = FindLineFeed(begin + searched, end);
        if (lineFeed != end) {
            LineBytes = std::string_view(begin, static_cast<std::size_t>(lineFeed + 1 - begin));
            Position += LineBytes.size();
            const bool endsWithCr = lineFeed != begin && lineFeed[-1] == '\r';
            line = LineBytes.substr(0, LineBytes.size() - (endsWithCr ? 2 : 1));
            return true;
        }
        searched = Filled - Position;
        if (!FillBuffer()) {
            // A failure mid-line leaves an incomplete line, which is no line at all.
            if (Failed || Position == Filled) {
                return false;
            }
            LineBytes = std::string_view(Buffer.data() + Position, Filled - Position);
            Position = Filled;
            line = LineBytes;
            return true;
        }
    }
}

// Keeps the start of a line that the buffer holds only in part at the front of the buffer, and
// reads after it.
bool TLineReader::FillBuffer() {
    if (AtEnd || Failed) {
        return false;
    }
    if (RefillHandler) {
        RefillHandler();
    }
    const std::size_t kept = Filled - Position;
    if (kept != 0 && Position != 0) {
        std::memmove(Buffer.data(), Buffer.data() + Position, kept);
    }
    Position = 0;
    Filled = kept;
    LineBytes = std::string_view();
    // Only a read that filled the buffer calls for a larger one; the one after a short read
    // usually finds the end.
    if (LastReadFilledBuffer && Buffer.size() < LargestBufferSize) {
        Buffer.resize(std::min(Buffer.size() * 8, LargestBufferSize));
    }
    if (kept == Buffer.size()) {
        Buffer.resize(Buffer.size() * 2);
    }
    std::size_t count = 0;
    if (!Source->ReadBytes(Buffer.data() + kept, Buffer.size() - kept, count)) {
        Failed = true;
        return false;
    }
    Filled += count;
    LastReadFilledBuffer = Filled == Buffer.size();
    AtEnd = count == 0;
    return !AtEnd;
}
