#include "sound/SoundPlayer.h"
#include "sound/SoundRecorder.h"
#include "store/FileOperations.h"
#include "windows/tests/EditorTestFixture.h"

#include <algorithm>
#include <memory>

// The test environment's sound server records whatever is played; silence records as bytes of
// 128.

namespace {

// A 500 Hz square wave, loud enough to tell from silence after the server's resampling.
std::string MakeTone(size_t length) {
    std::string tone(length, '\0');
    for (size_t i = 0; i < length; ++i) {
        tone[i] = static_cast<char>((i / 8) % 2 == 0 ? 64 : 192);
    }
    return tone;
}

size_t CountSoundingBytes(const std::string& samples) {
    return static_cast<size_t>(std::count_if(samples.begin(), samples.end(), [](char sample) {
        const int value = static_cast<unsigned char>(sample);
        return value < 112 || value > 144;
    }));
}

class EditorSoundTest : public EditorTest {
protected:
    std::int32_t AddWithNote(const std::string& note) {
        WriteBytes(Store.GetFilePath(L"note.pcm"), note);
        return Store.Add("2031.02.03 04:05:06", L"with note", Store.GetFilePath(L"note.pcm"));
    }

    // Holds "Record sound" down for a while, with the sound of a file played meanwhile if one
    // is named.
    void HoldRecordSound(DWORD milliseconds, const std::wstring& playedMeanwhile = L"") {
        PressMouse(GetButton(L"Record sound"));
        EXPECT_FALSE(IsButtonEnabled(L"Replay"));
        EXPECT_FALSE(IsButtonEnabled(L"Remove sound"));
        {
            std::unique_ptr<TSoundPlayer> player;
            if (!playedMeanwhile.empty()) {
                player = std::make_unique<TSoundPlayer>(playedMeanwhile);
            }
            PumpMessagesFor(milliseconds);
        }
        ReleaseMouse(GetButton(L"Record sound"));
    }
};

}  // namespace

TEST_F(EditorSoundTest, ARecordedNoteIsStoredAndPlaysWhenTheReminderIsEditedAgain) {
    const std::wstring tonePath = Store.GetFilePath(L"tone.pcm");
    WriteBytes(tonePath, MakeTone(24000));
    Editor.ShowEditor(-1);
    HoldRecordSound(3500, tonePath);
    EXPECT_TRUE(IsButtonEnabled(L"Replay"));
    EXPECT_TRUE(IsButtonEnabled(L"Remove sound"));
    Click(GetButton(L"Save"));

    const std::vector<TNotification> stored = Store.ReadAll();
    ASSERT_EQ(stored.size(), 1u);
    ASSERT_NE(stored[0].SoundFile, L"");
    const std::string note = ReadBytes(stored[0].SoundFile);
    EXPECT_GT(note.size(), 16000u);
    EXPECT_GT(CountSoundingBytes(note), 8000u);

    Editor.ShowEditor(stored[0].Id);
    ASSERT_TRUE(IsButtonEnabled(L"Replay"));
    const std::wstring heardPath = Store.GetFilePath(L"heard.pcm");
    {
        TSoundRecorder listener(heardPath);
        Click(GetButton(L"Replay"));
        PumpMessagesFor(4500);
    }
    EXPECT_GT(CountSoundingBytes(ReadBytes(heardPath)), 8000u);
}

TEST_F(EditorSoundTest, RecordingOverANoteDiscardsTheOldOneFirst) {
    const std::int32_t id = AddWithNote(std::string(40000, 'U'));
    Editor.ShowEditor(id);
    ASSERT_TRUE(IsButtonEnabled(L"Replay"));
    HoldRecordSound(300);
    Click(GetButton(L"Save"));

    const std::vector<TNotification> stored = Store.ReadAll();
    ASSERT_EQ(stored.size(), 1u);
    const std::string note = ReadBytes(stored[0].SoundFile);
    EXPECT_LT(note.size(), 40000u);
    EXPECT_EQ(note.find('U'), std::string::npos);
}

TEST_F(EditorSoundTest, CancelAfterRecordingLeavesTheStoreAsItWas) {
    const std::int32_t id = AddWithNote(std::string(4000, 'U'));
    const std::vector<TNotification> before = Store.ReadAll();
    Editor.ShowEditor(id);
    HoldRecordSound(300);
    Click(GetButton(L"Cancel"));

    EXPECT_EQ(Store.ReadAll(), before);
    EXPECT_EQ(ReadBytes(before[0].SoundFile), std::string(4000, 'U'));
}

TEST_F(EditorSoundTest, ARemovedNoteStaysStoredOnCancelAndGoesOnSave) {
    const std::int32_t id = AddWithNote(std::string(4000, 'U'));
    const std::vector<TNotification> before = Store.ReadAll();
    Editor.ShowEditor(id);
    EXPECT_TRUE(IsButtonEnabled(L"Replay"));
    EXPECT_TRUE(IsButtonEnabled(L"Remove sound"));
    Click(GetButton(L"Remove sound"));
    EXPECT_FALSE(IsButtonEnabled(L"Replay"));
    EXPECT_FALSE(IsButtonEnabled(L"Remove sound"));
    Click(GetButton(L"Cancel"));
    EXPECT_EQ(Store.ReadAll(), before);
    EXPECT_EQ(ReadBytes(before[0].SoundFile), std::string(4000, 'U'));

    Editor.ShowEditor(id);
    EXPECT_TRUE(IsButtonEnabled(L"Replay"));
    Click(GetButton(L"Remove sound"));
    Click(GetButton(L"Save"));
    const std::vector<TNotification> after = Store.ReadAll();
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0].Text, L"with note");
    EXPECT_EQ(after[0].SoundFile, L"");
    EXPECT_FALSE(FileExists(before[0].SoundFile));
}

// A playback holds the note file open.
TEST_F(EditorSoundTest, ANoteRemovedWhilePlayingIsGone) {
    const std::int32_t id = AddWithNote(MakeTone(40000));
    Editor.ShowEditor(id);
    Click(GetButton(L"Replay"));
    PumpMessagesFor(300);
    Click(GetButton(L"Remove sound"));
    EXPECT_FALSE(IsButtonEnabled(L"Replay"));
    Click(GetButton(L"Save"));

    const std::vector<TNotification> stored = Store.ReadAll();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].SoundFile, L"");
}
