#include "tests/support/MessagePumping.h"
#include "ScratchFolder.h"
#include "SignalMatching.h"
#include "WaveMessageSpy.h"
#include "sound/SoundRecorder.h"

#include <gtest/gtest.h>

#include <iostream>

#include <algorithm>
#include <memory>
#include <numeric>

namespace {

size_t CountBytesOtherThan(const TBytes& bytes, unsigned char value) {
    return static_cast<size_t>(std::count_if(bytes.begin(), bytes.end(), [value](unsigned char b) { return b != value; }));
}

}  // namespace

// Silence, as the null sink gives it: the device returns two full seconds and the part of the
// third, and the file holds exactly what came back, under a name beyond ASCII.
TEST(SoundRecorder, RecordingForTwoAndAHalfSecondsKeepsEveryReturnedByte) {
    TScratchFolder folder;
    const std::wstring path = folder.GetWindowsPath(L"n\u00f6te \u0437\u0430\u043f\u0438\u0441\u044c.pcm");
    TWaveMessageSpy spy;
    {
        TSoundRecorder recorder(path);
        PumpMessagesFor(2500);
    }

    const TBytes recorded = ReadFileBytes(path);
    const std::vector<DWORD> returned = spy.GetReturnedBytes(MM_WIM_DATA);
    ASSERT_GE(returned.size(), 3u);
    EXPECT_EQ(returned[0], 8000u);
    EXPECT_EQ(returned[1], 8000u);
    EXPECT_LT(returned[2], 8000u);
    EXPECT_EQ(recorded.size(), std::accumulate(returned.begin(), returned.end(), size_t{0}));
    EXPECT_GT(recorded.size(), 16000u);
    EXPECT_LT(recorded.size(), 24000u);
    EXPECT_EQ(CountBytesOtherThan(recorded, 128), 0u);
    std::cout << "figure: 2.5 s recorded as " << recorded.size() << " bytes\n";
}

TEST(SoundRecorder, StoppingAtOnceOnAnEarlierRecordingLeavesOnlyTheFewNewBytes) {
    TScratchFolder folder;
    const std::wstring path = folder.GetWindowsPath(L"sound.pcm");
    WriteFileBytes(path, TBytes(40000, 0x55));
    TWaveMessageSpy spy;

    auto recorder = std::make_unique<TSoundRecorder>(path);
    const ULONGLONG stopTime = MeasureMilliseconds([&] { recorder.reset(); });

    const TBytes recorded = ReadFileBytes(path);
    const std::vector<DWORD> returned = spy.GetReturnedBytes(MM_WIM_DATA);
    EXPECT_LT(recorded.size(), 2000u);
    EXPECT_EQ(recorded.size(), std::accumulate(returned.begin(), returned.end(), size_t{0}));
    EXPECT_EQ(CountBytesOtherThan(recorded, 128), 0u);
    EXPECT_LT(stopTime, 1000u);
    std::cout << "figure: stopped at once: " << recorded.size() << " bytes, stop took " << stopTime << " ms\n";
}

// The first buffer's return waits in the queue, unhandled, when the stop begins: it is written
// but not queued again, and the stop does not wait for a buffer that would never come back.
TEST(SoundRecorder, ABufferThatCameBackFullBeforeTheStopIsWrittenAndTheStopEndsAtOnce) {
    TScratchFolder folder;
    const std::wstring path = folder.GetWindowsPath(L"sound.pcm");
    TWaveMessageSpy spy;
    auto recorder = std::make_unique<TSoundRecorder>(path);
    Sleep(1400);

    const ULONGLONG stopTime = MeasureMilliseconds([&] { recorder.reset(); });

    const TBytes recorded = ReadFileBytes(path);
    const std::vector<DWORD> returned = spy.GetReturnedBytes(MM_WIM_DATA);
    ASSERT_FALSE(returned.empty());
    EXPECT_EQ(returned[0], 8000u);
    EXPECT_GT(recorded.size(), 8000u);
    EXPECT_LT(recorded.size(), 16000u);
    EXPECT_EQ(recorded.size(), std::accumulate(returned.begin(), returned.end(), size_t{0}));
    EXPECT_LT(stopTime, 1000u);
}

TEST(SoundRecorder, RecordsWhatIsPlayedIntoTheSink) {
    TScratchFolder folder;
    TLinuxCommands speech(folder, "speak",
                          "espeak-ng -w " + folder.GetUnixPath("speech.wav") +
                              " 'Remember to water the plants before the evening'\n"
                              "sox " + folder.GetUnixPath("speech.wav") + " -r 8000 -c 1 -b 8 -e unsigned-integer -t raw " +
                              folder.GetUnixPath("speech.raw"));
    ASSERT_TRUE(speech.WaitUntilFinished(20000)) << speech.DescribeOutcome();
    ASSERT_EQ(speech.DescribeOutcome(), "exit 0");
    const TBytes spoken = ReadFileBytes(folder.GetWindowsPath(L"speech.raw"));
    ASSERT_GT(spoken.size(), 8000u);

    const std::wstring path = folder.GetWindowsPath(L"sound.pcm");
    {
        TSoundRecorder recorder(path);
        PumpMessagesFor(200);
        TLinuxCommands play(folder, "play", "paplay -d nul " + folder.GetUnixPath("speech.wav"));
        ASSERT_TRUE(play.WaitUntilFinished(20000)) << play.DescribeOutcome();
        ASSERT_EQ(play.DescribeOutcome(), "exit 0");
        PumpMessagesFor(400);
    }

    const TBytes recorded = ReadFileBytes(path);
    ASSERT_GT(recorded.size(), spoken.size());
    EXPECT_GT(MeasureSoundingSpan(recorded), spoken.size() / 2);
    EXPECT_TRUE(HoldsInOrder(recorded, spoken, {spoken.size() / 2, spoken.size() - spoken.size() / 2}, 0.8));
    EXPECT_LT(FindBestMatch(recorded, Reversed(spoken)).Correlation, 0.3);
    std::cout << "figure: speech correlation " << FindBestMatch(recorded, spoken).Correlation << ", reversed control "
              << FindBestMatch(recorded, Reversed(spoken)).Correlation << "\n";
}
