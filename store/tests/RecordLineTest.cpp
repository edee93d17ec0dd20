#include "store/RecordLine.h"

#include <gtest/gtest.h>

TEST(RecordLineTest, WritesThreeFieldsAndCrLf) {
    TNotification record("2011.05.16 22:53:00", L"text");
    EXPECT_EQ(FormatRecordLine(record), "2011.05.16 22:53:00||text\r\n");
    record.SoundFile = L"C:\\data\\notifications.sound.0";
    record.Id = 7;
    EXPECT_EQ(FormatRecordLine(record), "2011.05.16 22:53:00|C:\\data\\notifications.sound.0|text\r\n");
}

TEST(RecordLineTest, WritesLineBreaksInTheTextAsSpaces) {
    const TNotification record("2011.05.16 22:53:00", L"one\r\ntwo\nthree\r");
    EXPECT_EQ(FormatRecordLine(record), "2011.05.16 22:53:00||one  two three \r\n");
}

TEST(RecordLineTest, ReadsWhatItWrites) {
    TNotification record("2011.05.16 22:53:00", L"a | b || \x00E9\x4E2D");
    record.Text += static_cast<wchar_t>(0xD83D);
    record.Text += static_cast<wchar_t>(0xDE00);
    record.SoundFile = L"C:\\\x00E9\\notifications.sound.3";
    std::string line = FormatRecordLine(record);
    line.resize(line.size() - 2);
    const auto read = ParseRecordLine(line);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, record);
}

TEST(RecordLineTest, ReadsTheTextUpToTheEndOfTheLine) {
    const auto read = ParseRecordLine("2011.05.16 22:53:00||");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->Date, "2011.05.16 22:53:00");
    EXPECT_EQ(read->Text, L"");
    EXPECT_EQ(read->Id, -1);
    // A date that is not a date is taken as it stands.
    EXPECT_EQ(ParseRecordLine("soon|x|y")->Date, "soon");
}

TEST(RecordLineTest, RejectsLinesWithoutTwoSeparatorsOrWithoutADate) {
    EXPECT_FALSE(ParseRecordLine("").has_value());
    EXPECT_FALSE(ParseRecordLine("2011.05.16 22:53:00").has_value());
    EXPECT_FALSE(ParseRecordLine("2011.05.16 22:53:00|text").has_value());
    EXPECT_FALSE(ParseRecordLine("||text").has_value());
}
