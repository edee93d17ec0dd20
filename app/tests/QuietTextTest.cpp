#include "app/instance/CommandSwitch.h"
#include "app/requests/QuietRequest.h"
#include "app/settings/SettingsText.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using TKind = TQuietRequest::TKind;
using TQuiet = TQuietTime::TKind;

TEST(CommandSwitch, IsTheNameInAnyCaseAfterASlashOrADash) {
    for (const wchar_t* word : {L"/add", L"-add", L"/ADD", L"-Add"}) {
        EXPECT_TRUE(IsSwitch(word, L"add")) << word;
    }
    for (const wchar_t* word : {L"add", L"/ad", L"/addd", L"--add", L"\\add", L"/\u0130dd", L"/\uFF41dd", L""}) {
        EXPECT_FALSE(IsSwitch(word, L"add")) << word;
    }
}

// The word of the command line in any case; the message between the processes only as written.
TEST(QuietRequest, TakesASpanOnOrOffAndTheMessageOnlyAsItIsWritten) {
    const struct {
        const wchar_t* Word;
        bool Read;
        TKind Kind;
        const char* End;
    } cases[] = {
        {L"00:30:00", true, TKind::For, "2026.12.12 10:30:00"}, {L"9999:59:59", true, TKind::For, "2028.02.02 01:59:59"},
        {L"ON", true, TKind::On, ""},  {L"Off", true, TKind::Off, ""}, {L"00:60:00", false, TKind::Off, ""},
        {L"30", false, TKind::Off, ""}, {L" on", false, TKind::Off, ""}, {L"\u043E\u043D", false, TKind::Off, ""},
    };
    for (const auto& test : cases) {
        TQuietRequest request;
        ASSERT_EQ(ReadQuietArgument(test.Word, request), test.Read) << test.Word;
        if (!test.Read) {
            continue;
        }
        EXPECT_EQ(request.Kind, test.Kind) << test.Word;
        EXPECT_EQ(request.Apply("2026.12.12 10:00:00").End, test.End) << test.Word;
        TQuietRequest received;
        ASSERT_TRUE(ReadQuietRequest(FormatQuietRequest(request), received)) << test.Word;
        EXPECT_EQ(received.Apply("2026.12.12 10:00:00"), request.Apply("2026.12.12 10:00:00")) << test.Word;
    }
    TQuietRequest request;
    const std::string_view refused[] = {"ON", "on\r\n", std::string_view("on\0", 3), "", "00:30:00 ", "-1:00:00"};
    for (const std::string_view bytes : refused) {
        EXPECT_FALSE(ReadQuietRequest(bytes, request)) << bytes;
    }
}

TEST(QuietTime, EndsAtItsMomentAndTomorrowIsTheNextMidnight) {
    const TQuietTime quiet = TQuietTime::For("2026.12.31 23:30:00", "00:30:00");
    EXPECT_EQ(quiet.End, "2027.01.01 00:00:00");
    EXPECT_TRUE(quiet.IsOn("2026.12.31 23:59:59"));
    EXPECT_FALSE(quiet.IsOn("2027.01.01 00:00:00"));
    EXPECT_EQ(TQuietTime::UntilTomorrow("2026.12.31 23:30:00"), quiet);
    EXPECT_EQ(TQuietTime::For("9999.12.31 23:00:00", "02:00:00").Kind, TQuiet::UntilTurnedOff);
}

// A later version's lines and the user's own stay where they are, through every change.
TEST(SettingsText, IsReadWithDefaultsAndWrittenInPlaceKeepingOtherLines) {
    EXPECT_TRUE(ReadSettings("").HoldDuringFullScreen);
    EXPECT_EQ(ReadSettings("HoldDuringFullScreen:maybe\r\nDoNotDisturbUntil:soon\r\n").Quiet.Kind, TQuiet::Off);
    EXPECT_TRUE(ReadSettings("HoldDuringFullScreen:yes\r\n").HoldDuringFullScreen);
    const std::string file = "Theme:Dark\r\nno colon\nHoldDuringFullScreen:No\r\n\r\nDoNotDisturbUntil:TurnedOff\r\n"
                             "HoldDuringFullScreen:Yes\r\nLast:line";
    const TSettings read = ReadSettings(file);
    EXPECT_FALSE(read.HoldDuringFullScreen);
    EXPECT_EQ(read.Quiet.Kind, TQuiet::UntilTurnedOff);

    TSettings changed;
    changed.Quiet = TQuietTime::For("2026.12.09 15:00:00", "00:30:00");
    EXPECT_EQ(WriteSettings(file, changed), "Theme:Dark\r\nno colon\r\nHoldDuringFullScreen:Yes\r\n\r\n"
                                            "DoNotDisturbUntil:2026.12.09 15:30:00\r\nLast:line\r\n");
    const TSettings back = ReadSettings(WriteSettings(file, changed));
    EXPECT_TRUE(back.HoldDuringFullScreen);
    EXPECT_EQ(back.Quiet, changed.Quiet);
    EXPECT_EQ(WriteSettings("Theme:Dark\r\nDoNotDisturbUntil:TurnedOff\r\n", TSettings()),
              "Theme:Dark\r\nHoldDuringFullScreen:Yes\r\n");
}

// What Notepad and Windows PowerShell 5 save: with a mark (twice, after a round through a tool
// that adds its own), or as UTF-16 of either order. Read as written, written back whole.
TEST(SettingsText, IsReadInTheFormsEditorsSaveAndWrittenBackInTheProgramsOwn) {
    const std::string lines = "HoldDuringFullScreen:No\r\nTheme:Dark\r\n";
    std::string little = "\xFF\xFE", big = "\xFE\xFF";
    for (const char c : lines) {
        little += std::string{c, '\0'};
        big += std::string{'\0', c};
    }
    TSettings quiet;
    quiet.Quiet.Kind = TQuiet::UntilTurnedOff;
    for (const std::string& file : {"\xEF\xBB\xBF" + lines, "\xEF\xBB\xBF\xEF\xBB\xBF" + lines, little, big}) {
        EXPECT_FALSE(ReadSettings(file).HoldDuringFullScreen) << file;
        EXPECT_EQ(WriteSettings(file, quiet), "HoldDuringFullScreen:Yes\r\nTheme:Dark\r\nDoNotDisturbUntil:TurnedOff\r\n");
    }
}

}  // namespace
