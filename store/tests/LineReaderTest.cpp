#include "store/LineReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Hands out its bytes a few at a time, and fails after failAfter bytes when told to.
class TScriptedSource : public TByteSource {
public:
    TScriptedSource(std::string bytes, std::size_t chunk, std::size_t failAfter = std::string::npos)
        : Bytes(std::move(bytes)), Chunk(chunk), FailAfter(failAfter) {}

    bool ReadBytes(char* buffer, std::size_t capacity, std::size_t& count) override {
        if (Position >= FailAfter) {
            return false;
        }
        count = std::min({capacity, Chunk, Bytes.size() - Position, FailAfter - Position});
        std::copy_n(Bytes.data() + Position, count, buffer);
        Position += count;
        ++Calls;
        return true;
    }

    std::size_t Calls = 0;

private:
    std::string Bytes;
    std::size_t Chunk;
    std::size_t FailAfter;
    std::size_t Position = 0;
};

std::vector<std::string> ReadAllLines(const std::string& bytes, std::size_t chunk, std::size_t bufferSize) {
    TLineReader reader(std::make_unique<TScriptedSource>(bytes, chunk), bufferSize);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.ReadLine(line)) {
        lines.emplace_back(line);
    }
    EXPECT_FALSE(reader.HasFailed());
    return lines;
}

}  // namespace

TEST(LineReaderTest, SplitsAtLineFeedsAndDropsTheCarriageReturnBeforeThem) {
    const std::string bytes = "one\r\ntwo\n\r\nthree\rx\r\n\nlast";
    const std::vector<std::string> expected = {"one", "two", "", "three\rx", "", "last"};
    // Every split of the bytes into reads and every buffer size gives the same lines.
    for (std::size_t chunk = 1; chunk <= bytes.size(); ++chunk) {
        for (std::size_t bufferSize : {1u, 2u, 3u, 7u, 4096u}) {
            EXPECT_EQ(ReadAllLines(bytes, chunk, bufferSize), expected) << chunk << " " << bufferSize;
        }
    }
}

TEST(LineReaderTest, EndsWithoutALineAfterTheLastLineFeed) {
    EXPECT_EQ(ReadAllLines("", 5, 16), std::vector<std::string>());
    EXPECT_EQ(ReadAllLines("a\r\n", 5, 16), std::vector<std::string>({"a"}));
    EXPECT_EQ(ReadAllLines("\n", 5, 16), std::vector<std::string>({""}));
}

TEST(LineReaderTest, ReadsOnlyWhatTheFirstLineNeeds) {
    std::string bytes = "first line\r\n";
    bytes += std::string(1 << 20, 'x');
    auto source = std::make_unique<TScriptedSource>(bytes, bytes.size());
    TScriptedSource& counted = *source;
    TLineReader reader(std::move(source), 4096);
    std::string_view line;
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "first line");
    EXPECT_EQ(counted.Calls, 1u);
}

TEST(LineReaderTest, ReportsAFailureAndDropsTheIncompleteLine) {
    TLineReader reader(std::make_unique<TScriptedSource>("one\r\ntwo\r\nthr", 4, 12), 4);
    std::string_view line;
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "one");
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "two");
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_TRUE(reader.HasFailed());
    EXPECT_FALSE(reader.ReadLine(line));
}

TEST(LineReaderTest, GrowsItsBufferSoThatALongFileTakesFewReads) {
    std::string bytes;
    for (int line = 0; line < 200; ++line) {
        bytes += "line " + std::to_string(line) + "\r\n";
    }
    auto source = std::make_unique<TScriptedSource>(bytes, bytes.size());
    TScriptedSource& counted = *source;
    TLineReader reader(std::move(source), 16, 1024);
    std::string_view line;
    int count = 0;
    while (reader.ReadLine(line)) {
        EXPECT_EQ(line, "line " + std::to_string(count));
        ++count;
    }
    EXPECT_EQ(count, 200);
    // 16, 128 and 1024 bytes, then 1024 at most: 1,890 bytes in four reads, and one at the end.
    EXPECT_EQ(counted.Calls, 5u);
}

TEST(LineReaderTest, GivesEachLineWithTheBytesItTookAndKeepsItUntilTheNextRefill) {
    const std::string bytes = "one\r\ntwo\nthree";
    for (std::size_t chunk = 1; chunk <= bytes.size(); ++chunk) {
        TLineReader reader(std::make_unique<TScriptedSource>(bytes, chunk), 2);
        std::vector<std::string> taken;
        std::vector<std::string_view> views;
        std::vector<std::string> seenAtRefill;
        // Every view handed out since the last refill must still hold its bytes when the next
        // refill is announced.
        reader.SetRefillHandler([&] {
            for (std::string_view view : views) {
                seenAtRefill.emplace_back(view);
            }
            views.clear();
        });
        std::string_view line;
        while (reader.ReadLine(line)) {
            taken.emplace_back(reader.GetLineBytes());
            views.push_back(reader.GetLineBytes());
        }
        for (std::string_view view : views) {
            seenAtRefill.emplace_back(view);
        }
        EXPECT_EQ(taken, std::vector<std::string>({"one\r\n", "two\n", "three"})) << chunk;
        EXPECT_EQ(seenAtRefill, taken) << chunk;
    }
}

TEST(LineReaderTest, ReadsALineLongerThanItsLargestBuffer) {
    const std::string longLine(100000, 'x');
    const std::string bytes = "a\r\n" + longLine + "\r\nb";
    EXPECT_EQ(ReadAllLines(bytes, 4096, 16), std::vector<std::string>({"a", longLine, "b"}));
}
