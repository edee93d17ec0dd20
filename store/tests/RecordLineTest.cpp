#include "store/RecordLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The records of the lines of a file written by the program, each ending in CR LF.
std::vector<TNotification> ReadAllRecords(const std::string& file) {
    std::vector<TNotification> records;
    for (std::size_t start = 0, end = 0; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2) {
        records.push_back(ParseRecordLine(file.substr(start, end - start)).value());
    }
    return records;
}

}  // namespace

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

// Over-long UTF-8 forms in the sound field spell "|" (C1 BC) and a line feed (C0 8A). Written back
// as they stand, they split the record into other fields or lines, and every ID after it then
// names another reminder.
TEST(RecordLineTest, WritesNoSeparatorOrLineBreakThatTheSoundFieldSpells) {
    const std::string file = "2011.05.16 22:53:00|a\xC1\xBC" "b\xC0\x8A" "c|first\r\n2011.05.17 08:00:00||second\r\n";
    const auto records = ReadAllRecords(file);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].SoundFile, L"a|b\nc");

    EXPECT_EQ(FormatRecordLine(records[0]), "2011.05.16 22:53:00|a b c|first\r\n");
    const auto rewritten = ReadAllRecords(FormatRecordLine(records[0]) + FormatRecordLine(records[1]));
    ASSERT_EQ(rewritten.size(), 2u);
    EXPECT_EQ(rewritten[0].Text, L"first");
    EXPECT_EQ(rewritten[1].Text, L"second");
}

// A rule is read as the bytes after the date's space, whether this version understands it or not,
// and written back as it stands; a due field without a space after a full date holds no rule.
TEST(RecordLineTest, ReadsAndWritesTheRepeatRuleAfterTheDueDate) {
    struct TCase {
        std::string Line;
        TDateTimeText Date;
        std::string Repeat;
    };
    const TCase cases[] = {
        {"2026.12.09 09:00:00 every 1 day||Take the pills", "2026.12.09 09:00:00", "every 1 day"},
        {"2026.12.08 15:30:00 every 30 minutes|s|a|b", "2026.12.08 15:30:00", "every 30 minutes"},
        {"2026.04.30 10:00:00 every 1 month on day 31||x", "2026.04.30 10:00:00", "every 1 month on day 31"},
        {"2026.12.09 09:00:00 at  full moon ||x", "2026.12.09 09:00:00", "at  full moon "},
        {"2026.12.09 09:00:00 ||x", "2026.12.09 09:00:00 ", ""},
        {"2026.12.0 09:00:00 every 1 day||x", "2026.12.0 09:00:00 every 1 day", ""},
        {"2026.12.09 09:00:00x every 1 day||x", "2026.12.09 09:00:00x every 1 day", ""},
    };
    for (const TCase& test : cases) {
        const auto read = ParseRecordLine(test.Line);
        ASSERT_TRUE(read.has_value()) << test.Line;
        EXPECT_EQ(read->Date, test.Date) << test.Line;
        EXPECT_EQ(read->Repeat, test.Repeat) << test.Line;
        EXPECT_EQ(GetRecordDate(test.Line), test.Date) << test.Line;
        EXPECT_EQ(FormatRecordLine(*read), test.Line + "\r\n");
    }
    // The record's string keeps no rule from the line read before.
    TNotification record;
    ASSERT_TRUE(ParseRecordLine(cases[0].Line, record));
    ASSERT_TRUE(ParseRecordLine("2026.12.09 09:00:00||once", record));
    EXPECT_EQ(record.Repeat, "");
}

// A program that knows nothing of rules compares the whole due field byte by byte: the field
// must fall after its own date and every earlier one, and before every later date, so that the
// line keeps its place and falls due a second after its date.
TEST(RecordLineTest, ARepeatingDueFieldComparesAsItsDateToAReaderWithoutRules) {
    TNotification record("2026.12.09 09:00:00", L"Take the pills");
    record.Repeat = "every 1 day";
    const std::string line = FormatRecordLine(record);
    const std::string field = line.substr(0, line.find('|'));
    for (const std::string earlier : {"2026.12.09 09:00:00", "2026.12.09 08:59:59", "2025.12.31 23:59:59"}) {
        EXPECT_LT(earlier, field) << earlier;
    }
    for (const std::string later : {"2026.12.09 09:00:01", "2026.12.09 10:00:00", "2027.01.01 00:00:00"}) {
        EXPECT_LT(field, later) << later;
    }
    // Lines of other repeating reminders order as their dates, whatever their rules.
    EXPECT_LT("2026.12.09 08:59:59 every weekday", field);
    EXPECT_LT(field, "2026.12.09 09:00:01 every 1 day");
}
