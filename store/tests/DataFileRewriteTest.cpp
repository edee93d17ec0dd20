// Changes of a data file many read buffers long, mixing lines copied as they stand with lines
// that must be rewritten or dropped, so that runs of copied lines meet every buffer boundary.

#include "store/DateTimeText.h"
#include "store/FileContent.h"
#include "store/NotificationsDb.h"
#include "store/RecordLine.h"
#include "store/tests/StoreTestFolder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// One line of a data file as a user's editor or an older program may have left it, with its
// line end.
std::string MakeLine(std::mt19937& random, int index) {
    const std::string due = AddDuration("2030.01.01 00:00:00", "00:00:" + std::to_string(index));
    const std::string text = "Reminder " + std::to_string(index);
    switch (random() % 12) {
    case 0:
        return due + "||" + text + " with LF only\n";
    case 1:
        return "not a record " + text + "\r\n";
    case 2:
        return "\r\n";
    case 3:
        return due + "||" + text + " with an over-long \xC1\xBC\r\n";
    case 4:
        return due + "|C:\\sounds\\x.pcm|" + text + " with a CR\r in it\r\n";
    case 5:
        return due + "||caf\xC3\xA9 " + text + " | with a bar\r\n";
    default:
        return due + "||" + text + ": call the dentist\r\n";
    }
}

// What a change must leave: every record in the form it is written in, no other line.
std::string WriteAsStored(const std::vector<std::string>& lines) {
    std::string bytes;
    for (std::string line : lines) {
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (const auto record = ParseRecordLine(line)) {
            bytes += FormatRecordLine(*record);
        }
    }
    return bytes;
}

std::vector<std::string> KeepRecordLines(const std::vector<std::string>& lines) {
    std::vector<std::string> records;
    for (const std::string& line : lines) {
        const std::string stored = WriteAsStored({line});
        if (!stored.empty()) {
            records.push_back(stored);
        }
    }
    return records;
}

}  // namespace

TEST(DataFileRewriteTest, ChangesALongFileOfMixedLinesAsIfLineByLine) {
    std::mt19937 random(20261208);
    std::vector<std::string> lines;
    for (int index = 0; index < 20000; ++index) {
        lines.push_back(MakeLine(random, index));
    }
    // One line longer than any read buffer, in the middle.
    lines.insert(lines.begin() + 7000, "2030.01.01 01:56:39||" + std::string(200000, 'x') + "\r\n");
    std::string file;
    for (const std::string& line : lines) {
        file += line;
    }
    // The last line has no line end.
    file += "2031.01.01 00:00:00||last";
    lines.push_back("2031.01.01 00:00:00||last");

    const TStoreTestFolder folder;
    WriteFileContent(folder.GetDataPath(), file);
    TNotificationsDb db(folder.GetDataPath());
    std::vector<std::string> records = KeepRecordLines(lines);
    ASSERT_EQ(ReadAllNotifications(db).size(), records.size());

    const TNotification added("2030.01.01 02:00:00", L"added in the middle");
    const std::int32_t id = db.AddNotification(added);
    std::size_t position = 0;
    while (position < records.size() && records[position] < "2030.01.01 02:00:00") {
        ++position;
    }
    records.insert(records.begin() + static_cast<std::ptrdiff_t>(position), FormatRecordLine(added));
    EXPECT_EQ(ReadWholeFile(folder.GetDataPath()), WriteAsStored(records));

    db.DeleteNotification(id);
    records.erase(records.begin() + static_cast<std::ptrdiff_t>(position));
    db.DeleteNotification(static_cast<std::int32_t>(records.size() / 2));
    records.erase(records.begin() + static_cast<std::ptrdiff_t>(records.size() / 2));
    db.RemoveEarliestNotification();
    records.erase(records.begin());
    EXPECT_EQ(ReadWholeFile(folder.GetDataPath()), WriteAsStored(records));
    EXPECT_EQ(ReadAllNotifications(db).size(), records.size());
}
