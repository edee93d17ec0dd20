#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

// Where a line reader gets its bytes from.
class TByteSource {
public:
    virtual ~TByteSource() = default;
    // Fills up to capacity bytes and says how many in count, 0 at the end; false on a failure.
    virtual bool ReadBytes(char* buffer, std::size_t capacity, std::size_t& count) = 0;
};

// Reads lines ending in LF through a buffer of its own and hands them out as views of that
// buffer, so that reading the first line of a big file costs one buffer, not the file, and a
// line is never copied. The buffer grows eightfold after every read that filled it, up to its
// largest size, so that a long file takes few reads; a line longer than the buffer makes it as
// long as the line. A CR right before the LF is dropped; a last line without LF is still a line.
class TLineReader {
public:
    // A largest size below the first size keeps the first size.
    explicit TLineReader(std::unique_ptr<TByteSource> source, std::size_t bufferSize = 4096,
                         std::size_t largestBufferSize = 0);

    // False at the end of the bytes and after a failure of the source. The line is valid until
    // the buffer takes more bytes, which only a later call can make it do.
    bool ReadLine(std::string_view& line);
    // The bytes the last line took, its line end included.
    std::string_view GetLineBytes() const { return LineBytes; }
    bool HasFailed() const { return Failed; }
    // Called right before the buffer takes more bytes: the last chance to use earlier lines.
    void SetRefillHandler(std::function<void()> handler) { RefillHandler = std::move(handler); }

private:
    bool FillBuffer();

    std::unique_ptr<TByteSource> Source;
    std::function<void()> RefillHandler;
    std::vector<char> Buffer;
    std::size_t LargestBufferSize;
    std::size_t Position = 0;
    std::size_t Filled = 0;
    std::string_view LineBytes;
    bool LastReadFilledBuffer = false;
    bool AtEnd = false;
    bool Failed = false;
};
