#include "hotkeys/GlobalHotKeyManager.h"
#include "hotkeys/HotKeyText.h"
#include "hotkeys/tests/HotKeyValues.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void ExpectRejected(const std::string& text) {
    try {
        ParseHotKey(text);
        ADD_FAILURE() << "accepted \"" << text << "\"";
    } catch (const TGlobalHotKeyManager::TExceptionIncorrectStringRepresentation& failure) {
        EXPECT_STREQ(failure.what(), "TGlobalHotKeyManager: incorrect string format for hot key");
    }
}

}  // namespace

TEST(HotKeyText, ModifiersInAnyOrderParseToTheSameValueAndFormatInTheFixedOrder) {
    const THotKey ctrlAltN = MakeHotKey(0x4E, false, true, true, false);
    EXPECT_EQ(ParseHotKey("Ctrl-Alt-N"), ctrlAltN);
    EXPECT_EQ(ParseHotKey("Alt-Ctrl-N"), ctrlAltN);
    EXPECT_EQ(FormatHotKey(ctrlAltN), "Ctrl-Alt-N");

    const THotKey all = MakeHotKey('Q', true, true, true, true);
    EXPECT_EQ(ParseHotKey("Win-Shift-Alt-Ctrl-Q"), all);
    EXPECT_EQ(FormatHotKey(all), "Ctrl-Alt-Shift-Win-Q");

    const THotKey shiftWin7 = MakeHotKey(0x37, true, false, false, true);
    EXPECT_EQ(FormatHotKey(shiftWin7), "Shift-Win-7");
    EXPECT_EQ(ParseHotKey("Shift-Win-7"), shiftWin7);
}

TEST(HotKeyText, RepeatedModifiersAndABareKeyAreAccepted) {
    EXPECT_EQ(ParseHotKey("Ctrl-Ctrl-Alt-Ctrl-N"), ParseHotKey("Ctrl-Alt-N"));
    EXPECT_EQ(ParseHotKey("N"), MakeHotKey('N', false, false, false, false));
}

TEST(HotKeyText, CharactersAfterTheKeyAreIgnored) {
    EXPECT_EQ(ParseHotKey("Ctrl-Alt-NX"), ParseHotKey("Ctrl-Alt-N"));
    EXPECT_EQ(ParseHotKey("Shift-F5"), MakeHotKey('F', true, false, false, false));
    EXPECT_EQ(ParseHotKey("Ctrl-Alt-N =*"), ParseHotKey("Ctrl-Alt-N"));
    EXPECT_EQ(ParseHotKey("Ctrl-+"), MakeHotKey('+', false, false, true, false));
    EXPECT_EQ(ParseHotKey("+"), MakeHotKey('+', false, false, false, false));
}

TEST(HotKeyText, MalformedTextsAreRejected) {
    ExpectRejected("");
    ExpectRejected("ctrl-Alt-N");
    ExpectRejected("CTRL-N");
    ExpectRejected("Ctrl+Alt-N");
    ExpectRejected("Ctrl+Alt+N");
    ExpectRejected("NX");
    ExpectRejected("Ctrl-Alt-");
    ExpectRejected("-Ctrl-N");
    ExpectRejected("-N");
    ExpectRejected("Ctrl--N");
    ExpectRejected(" Ctrl-N");
    ExpectRejected("Control-N");
    // A plus after the key shows that another modifier was meant.
    ExpectRejected("Ctrl-Alt+N");
    ExpectRejected("Ctrl-Shift+Alt+N");
    ExpectRejected("Ctrl-N+");
    ExpectRejected("Ctrl-++");
    ExpectRejected("Alt-F+4");
}

TEST(HotKeyText, TheDashKeyCannotBeWrittenInTheTextForm) {
    const THotKey ctrlDash = MakeHotKey('-', false, false, true, false);
    EXPECT_EQ(FormatHotKey(ctrlDash), "Ctrl--");
    ExpectRejected(FormatHotKey(ctrlDash));
    ExpectRejected("-");
}

TEST(HotKeyText, KeyCodesAbove127SurviveTheRoundTripAsBytes) {
    for (int key : {0x80, 0xBA, 0xDE, 0xFF}) {
        const THotKey hotKey = MakeHotKey(key, false, true, true, false);
        const std::string text = FormatHotKey(hotKey);
        ASSERT_EQ(text.size(), 10u);
        EXPECT_EQ(ParseHotKey(text), hotKey) << "key " << key;
    }
}

TEST(HotKeyText, AHotKeyWithoutAKeyFormatsAsItsModifiersAlone) {
    EXPECT_EQ(FormatHotKey(MakeHotKey(0, false, false, true, false)), "Ctrl-");
    EXPECT_EQ(FormatHotKey(THotKey()), "");
    ExpectRejected("Ctrl-");
}
