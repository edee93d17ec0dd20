#include "hotkeys/HotKeyBindingsFile.h"
#include "hotkeys/HotKeyText.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<THotKeyBinding> Read(const std::string& text) {
    std::istringstream input(text);
    return ReadHotKeyBindings(input);
}

}  // namespace

TEST(HotKeyBindingsFile, TheDefaultFileGivesOneBinding) {
    const auto bindings = Read("AddNotification:Ctrl-Alt-N\n");
    ASSERT_EQ(bindings.size(), 1u);
    EXPECT_EQ(bindings[0].action, "AddNotification");
    EXPECT_EQ(bindings[0].hotKey, ParseHotKey("Ctrl-Alt-N"));
}

TEST(HotKeyBindingsFile, MalformedLinesAreSkippedAndTheOthersKeptInOrder) {
    const auto bindings = Read(
        "\n"
        "no colon here\n"
        "ViewAllNotifications:Ctrl-Alt-L\n"
        "AddNotification: Ctrl-Alt-N\n"
        "AddNotification:ctrl-Alt-N\n"
        "AddNotification:\n"
        "AddNotification:Shift-Win-7\n"
        "Other:Alt-X:Y\n"
        "AddNotification:Ctrl-Alt+N\n"
        "AddNotification:Ctrl-Alt-N");
    ASSERT_EQ(bindings.size(), 4u);
    EXPECT_EQ(bindings[0].action, "ViewAllNotifications");
    EXPECT_EQ(bindings[0].hotKey, ParseHotKey("Ctrl-Alt-L"));
    EXPECT_EQ(bindings[1].hotKey, ParseHotKey("Shift-Win-7"));
    // Only the first colon separates; the rest belongs to the hot key text.
    EXPECT_EQ(bindings[2].action, "Other");
    EXPECT_EQ(bindings[2].hotKey, ParseHotKey("Alt-X"));
    // A last line without a line end still counts.
    EXPECT_EQ(bindings[3].action, "AddNotification");
}

// Saved by Notepad or Windows PowerShell 5: with a mark, or as UTF-16 behind its mark.
TEST(HotKeyBindingsFile, IsReadInTheFormsEditorsSave) {
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("AddNotification:Ctrl-Alt-N\r\n")) {
        utf16 += std::string{c, '\0'};
    }
    for (const std::string& file : {std::string("\xEF\xBB\xBF" "AddNotification:Ctrl-Alt-N\r\n"), utf16}) {
        EXPECT_EQ(Read(file).at(0).action, "AddNotification");
    }
}

TEST(HotKeyBindingsFile, ActionNamesAreKeptExactly) {
    const auto bindings = Read("AddNotification :Ctrl-Alt-N\n:Alt-Q\n");
    ASSERT_EQ(bindings.size(), 2u);
    EXPECT_EQ(bindings[0].action, "AddNotification ");
    EXPECT_EQ(bindings[1].action, "");
}

TEST(HotKeyBindingsFile, AnEmptyOrUnreadableStreamGivesNoBindings) {
    EXPECT_TRUE(Read("").empty());
    std::istringstream failed("AddNotification:Ctrl-Alt-N\n");
    failed.setstate(std::ios::failbit);
    EXPECT_TRUE(ReadHotKeyBindings(failed).empty());
}
