#include "tests/support/MessagePumping.h"
#include "ScratchFolder.h"
#include "SignalMatching.h"
#include "WaveMessageSpy.h"
#include "sound/SoundPlayer.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// What reaches the sink, captured by the sound server's own recorder until told to stop.
class TSinkCapture {
public:
    explicit TSinkCapture(const TScratchFolder& folder)
        : Folder(folder),
          Path(folder.GetWindowsPath(L"capture.raw")),
          Commands(folder, "capture",
                   "timeout 30 parec -d nul.monitor --rate=8000 --channels=1 --format=u8 --latency-msec=20 >" +
                       folder.GetUnixPath("capture.raw") + " &\n" + "echo $! >" + folder.GetUnixPath("capture.pid") +
                       "\n" + "wait $!\n" + "status=$?\n" + "[ $status -eq 0 ] || [ $status -eq 143 ]") {}
    ~TSinkCapture() { End(); }
    TSinkCapture(const TSinkCapture&) = delete;
    TSinkCapture& operator=(const TSinkCapture&) = delete;

    // The capture only counts once the server streams to it.
    bool WaitUntilStreaming() const {
        return PumpMessagesUntil([this] { return !ReadFileBytes(Path).empty() || Commands.IsFinished(); }, 10000) &&
               !Commands.IsFinished();
    }

    TBytes Stop() {
        End();
        EXPECT_EQ(Commands.DescribeOutcome(), "exit 0");
        return ReadFileBytes(Path);
    }

private:
    void End() {
        if (!Commands.IsFinished()) {
            const std::string pidPath = Folder.GetUnixPath("capture.pid");
            TLinuxCommands(Folder, "stop-capture",
                           "for i in $(seq 100); do [ -s " + pidPath + " ] && break; sleep 0.05; done\n" +
                               "kill $(cat " + pidPath + ")")
                .WaitUntilFinished(10000);
            Commands.WaitUntilFinished(10000);
        }
    }

    const TScratchFolder& Folder;
    std::wstring Path;
    TLinuxCommands Commands;
};

// Long enough for the sink's monitor to pass on the last sound played.
const DWORD SinkLatencyMilliseconds = 500;

}  // namespace

// The file goes out as one full and one partial buffer, then nothing more, and what reaches the
// sink is the file's sound, lasting as long as the file.
TEST(SoundPlayer, PlaysAFileOfOneAndAHalfSecondsAsEightThenFourThousandBytes) {
    TScratchFolder folder;
    const std::wstring path = folder.GetWindowsPath(L"sound.pcm");
    const TBytes signal = MakeTestSignal(12000, 1);
    WriteFileBytes(path, signal);
    TSinkCapture capture(folder);
    ASSERT_TRUE(capture.WaitUntilStreaming());
    TWaveMessageSpy spy;
    TSoundPlayer player(path);

    PumpMessagesUntil([&] { return spy.GetReturnedBytes(MM_WOM_DONE).size() >= 2; }, 10000);
    // Time enough for a wrongful third buffer to be heard.
    PumpMessagesFor(1000 + SinkLatencyMilliseconds);
    const TBytes samples = capture.Stop();

    EXPECT_EQ(spy.GetReturnedBytes(MM_WOM_DONE), (std::vector<DWORD>{8000, 4000}));
    EXPECT_TRUE(HoldsInOrder(samples, signal, {8000, 4000}, 0.8));
    EXPECT_LT(FindBestMatch(samples, Reversed(signal)).Correlation, 0.3);
    EXPECT_GT(MeasureSoundingSpan(samples), 11000u);
    EXPECT_LT(MeasureSoundingSpan(samples), 13000u);
}

TEST(SoundPlayer, AFileOfTwoFullBuffersEndsAfterTwoSeconds) {
    TScratchFolder folder;
    const std::wstring path = folder.GetWindowsPath(L"sound.pcm");
    WriteFileBytes(path, MakeTestSignal(16000, 2));
    TWaveMessageSpy spy;
    auto player = std::make_unique<TSoundPlayer>(path);
    const ULONGLONG start = GetTickCount64();

    PumpMessagesUntil([&] { return spy.GetReturnedBytes(MM_WOM_DONE).size() >= 2; }, 5000);
    PumpMessagesFor(700);

    EXPECT_EQ(spy.GetReturnedBytes(MM_WOM_DONE), (std::vector<DWORD>{8000, 8000}));
    const std::vector<ULONGLONG> ticks = spy.GetReturnTicks(MM_WOM_DONE);
    ASSERT_EQ(ticks.size(), 2u);
    EXPECT_GE(ticks[1] - start, 1900u);
    EXPECT_LT(ticks[1] - start, 2700u);
    EXPECT_LT(MeasureMilliseconds([&] { player.reset(); }), 100u);
}

TEST(SoundPlayer, AnEmptyFileOrAMissingPathPlaysNothing) {
    TScratchFolder folder;
    const std::wstring emptyPath = folder.GetWindowsPath(L"empty.pcm");
    WriteFileBytes(emptyPath, TBytes());
    TWaveMessageSpy spy;
    for (const std::wstring& path : {emptyPath, folder.GetWindowsPath(L"missing.pcm")}) {
        std::unique_ptr<TSoundPlayer> player;
        ASSERT_NO_THROW(player = std::make_unique<TSoundPlayer>(path));
        PumpMessagesFor(300);
        EXPECT_LT(MeasureMilliseconds([&] { player.reset(); }), 100u);
    }
    EXPECT_TRUE(spy.GetReturnedBytes(MM_WOM_DONE).empty());
}

TEST(SoundPlayer, DestroyingItInTheMiddleOfALongFileSilencesItAtOnce) {
    TScratchFolder folder;
    const std::wstring path = folder.GetWindowsPath(L"sound.pcm");
    WriteFileBytes(path, MakeTestSignal(48000, 3));
    TSinkCapture capture(folder);
    ASSERT_TRUE(capture.WaitUntilStreaming());
    auto player = std::make_unique<TSoundPlayer>(path);
    PumpMessagesFor(1200);

    EXPECT_LT(MeasureMilliseconds([&] { player.reset(); }), 300u);

    PumpMessagesFor(1000 + SinkLatencyMilliseconds);
    const size_t sounding = MeasureSoundingSpan(capture.Stop());
    EXPECT_GT(sounding, 8000u);
    EXPECT_LT(sounding, 14000u);
}
