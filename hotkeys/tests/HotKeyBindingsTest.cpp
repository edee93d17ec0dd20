#include "hotkeys/GlobalHotKeyManager.h"
#include "hotkeys/HotKeyBindings.h"
#include "hotkeys/HotKeyText.h"
#include "hotkeys/tests/HotKeyTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class HotKeyBindings : public testing::Test {
protected:
    ~HotKeyBindings() override { DeleteFileW(Path.c_str()); }

    void WriteFile(const std::string& text) {
        std::ofstream file{std::filesystem::path(Path)};
        file << text;
    }

    void Load() {
        LoadHotKeyBindings(Manager, Path, [this] { Ran += 'A'; }, [this] { Ran += 'V'; });
        Window = FindOnlyDummyWindow();
    }

    // Runs the actions bound to the identifiers 0 to 3 in turn; what ran is in Ran.
    std::string PressIdentifiersInOrder() {
        Ran.clear();
        for (int identifier = 0; identifier < 4; ++identifier) {
            SendMessageW(Window, WM_HOTKEY, identifier, 0);
        }
        return Ran;
    }

    const std::wstring Path = MakeTemporaryFilePath();
    TGlobalHotKeyManager Manager;
    HWND Window = nullptr;
    std::string Ran;
};

}  // namespace

TEST_F(HotKeyBindings, TheDefaultFileBindsOnlyTheEditor) {
    WriteFile("AddNotification:Ctrl-Alt-N\n");
    Load();
    EXPECT_TRUE(IsHotKeyTaken(ParseHotKey("Ctrl-Alt-N")));
    EXPECT_EQ(PressIdentifiersInOrder(), "A");
}

TEST_F(HotKeyBindings, EachActionGoesWithItsOwnName) {
    WriteFile("ViewAllNotifications:Ctrl-Alt-N\nAddNotification:Shift-Alt-E\nAddNotification:Ctrl-Shift-E");
    Load();
    EXPECT_EQ(PressIdentifiersInOrder(), "VAA");
}

TEST_F(HotKeyBindings, BadLinesAreSkippedAndTheGoodOnesBoundInFileOrder) {
    WriteFile(
        "Bogus:Ctrl-Alt-Q\n"
        "AddNotification :Ctrl-Alt-W\n"
        "addnotification:Ctrl-Alt-W\n"
        "AddNotification: Ctrl-Alt-W\n"
        "AddNotification:Ctrl+Alt-W\n"
        "AddNotification Ctrl-Alt-W\n"
        "\n"
        "ViewAllNotifications:Ctrl-Alt-L\n"
        "AddNotification:Ctrl-Alt-N\n");
    Load();
    EXPECT_EQ(PressIdentifiersInOrder(), "VA");
    EXPECT_FALSE(IsHotKeyTaken(ParseHotKey("Ctrl-Alt-Q")));
    EXPECT_FALSE(IsHotKeyTaken(ParseHotKey("Ctrl-Alt-W")));
}

TEST_F(HotKeyBindings, ARefusedLineIsSkippedAndTheFollowingLinesAreStillBound) {
    THotKeyHolder holder(ParseHotKey("Ctrl-Alt-N"));
    ASSERT_TRUE(holder.IsHolding());
    WriteFile(
        "AddNotification:Ctrl-Alt-N\n"
        "AddNotification:Ctrl-Alt-K\n"
        "ViewAllNotifications:Alt-Ctrl-K\n"
        "ViewAllNotifications:Ctrl-Alt-L\n");
    EXPECT_NO_THROW(Load());
    EXPECT_EQ(PressIdentifiersInOrder(), "AV");
    EXPECT_TRUE(IsHotKeyTaken(ParseHotKey("Ctrl-Alt-L")));
}

TEST_F(HotKeyBindings, ReloadingReplacesEveryBindingAndAMissingFileLeavesNone) {
    WriteFile("AddNotification:Ctrl-Alt-N\nViewAllNotifications:Ctrl-Alt-L\n");
    Load();
    WriteFile("ViewAllNotifications:Ctrl-Alt-N\n");
    Load();
    EXPECT_EQ(PressIdentifiersInOrder(), "V");
    EXPECT_FALSE(IsHotKeyTaken(ParseHotKey("Ctrl-Alt-L")));

    DeleteFileW(Path.c_str());
    Load();
    EXPECT_EQ(PressIdentifiersInOrder(), "");
    EXPECT_FALSE(IsHotKeyTaken(ParseHotKey("Ctrl-Alt-N")));
}
