#include "store/FileContent.h"
#include "store/NotificationsDb.h"
#include "store/Utf8Text.h"
#include "store/tests/StoreTestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace {

const int StepCount = 2500;
const std::size_t LargestStore = 25;

struct TModelRecord {
    TDateTimeText Date;
    std::wstring Text;
    std::int32_t Id;
    std::string Sound;  // Empty for none.
    std::string Repeat;
};

// The store as plain memory: due order, newest first among equal dates, each ID given once.
class TStoreModel {
public:
    std::int32_t Add(const TDateTimeText& date, const std::wstring& text, const std::string& sound,
                     const std::string& repeat) {
        Insert(TModelRecord{date, text, NextId, sound, repeat});
        return NextId++;
    }

    // Another program put the lines in reverse order: they are read in due order again, those due
    // at the same time now the other way round.
    void ReadReversed() {
        std::reverse(Records.begin(), Records.end());
        SortByDate();
    }

    // Another program appended a line: it comes after those due at the same time.
    void ReadAppended(const TDateTimeText& date, const std::wstring& text) {
        Records.push_back(TModelRecord{date, text, NextId++, std::string(), std::string()});
        SortByDate();
    }

    void RescheduleEarliest(const TDateTimeText& date, const std::string& repeat) {
        if (!Records.empty()) {
            TModelRecord rescheduled = Records.front();
            Records.erase(Records.begin());
            rescheduled.Date = date;
            rescheduled.Repeat = repeat;
            Insert(rescheduled);
        }
    }

    void Delete(std::int32_t id) {
        const std::ptrdiff_t position = FindPosition(id);
        if (position >= 0) {
            Records.erase(Records.begin() + position);
        }
    }

    void RemoveEarliest() {
        if (!Records.empty()) {
            Records.erase(Records.begin());
        }
    }

    std::ptrdiff_t FindPosition(std::int32_t id) const {
        const auto found = std::find_if(Records.begin(), Records.end(), [id](const TModelRecord& record) { return record.Id == id; });
        return found == Records.end() ? -1 : found - Records.begin();
    }

    std::vector<TModelRecord> Records;
    std::size_t UnreadableLines = 0;

private:
    void SortByDate() {
        std::stable_sort(Records.begin(), Records.end(),
                         [](const TModelRecord& left, const TModelRecord& right) { return left.Date < right.Date; });
    }

    std::int32_t NextId = 0;
    void Insert(const TModelRecord& added) {
        const auto later = std::find_if(Records.begin(), Records.end(),
                                        [&added](const TModelRecord& record) { return !(record.Date < added.Date); });
        Records.insert(later, added);
    }
};

class TRandomStoreUse {
public:
    explicit TRandomStoreUse(unsigned seed) : Random(seed) {}

    TDateTimeText MakeDate() {
        // Few distinct dates, so that equal dates are common.
        const int day = 1 + static_cast<int>(Random() % 9);
        return "2011.05.0" + std::to_string(day) + (Random() % 2 ? " 12:00:00" : " 08:30:00");
    }

    // Never the same twice: lines alike in every byte are alike in all the user sees, and which of
    // their IDs goes to which after another program's change does not matter.
    std::wstring MakeText() {
        static const std::wstring pieces[] = {L"a", L"|", L" ", L"\x00E9", L"\x4E2D", L"\xD83D\xDE00", L"text"};
        std::wstring text = std::to_wstring(++TextCount);
        for (unsigned count = Random() % 6; count > 0; --count) {
            text += pieces[Random() % (sizeof(pieces) / sizeof(pieces[0]))];
        }
        return text;
    }

    // Rules the store keeps as they stand, readable or not.
    std::string MakeRepeat() {
        static const char* const rules[] = {"every 1 day", "every weekday", "every 30 minutes", "at full moon"};
        return Random() % 2 ? rules[Random() % 4] : std::string();
    }

    std::string MakeSound() { return Random() % 3 == 0 ? "sound " + std::to_string(Random()) : std::string(); }

    unsigned Choose(unsigned count) { return Random() % count; }

private:
    std::mt19937 Random;
    int TextCount = 0;
};

std::vector<std::string> SplitLines(std::string content) {
    if (content.rfind("\xEF\xBB\xBF", 0) == 0) {
        content.erase(0, 3);
    }
    std::vector<std::string> lines;
    for (std::size_t start = 0, end = 0; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(content.substr(start, end - start + 2));
    }
    return lines;
}

// What an editor, a sync tool or a script does to the data file while the program runs: reverses
// it and saves it with a byte-order mark, appends a line, or adds one the store cannot read.
void WriteAsAnotherProgram(const std::wstring& path, TStoreModel& model, TRandomStoreUse& use) {
    std::vector<std::string> lines = SplitLines(ReadWholeFile(path));
    std::string content;
    const unsigned choice = use.Choose(3);
    if (choice == 0) {
        std::reverse(lines.begin(), lines.end());
        content = "\xEF\xBB\xBF";
        model.ReadReversed();
    } else if (choice == 1) {
        const TDateTimeText date = use.MakeDate();
        const std::wstring text = use.MakeText();
        lines.push_back(date + "||" + EncodeUtf8(text) + "\r\n");
        model.ReadAppended(date, text);
    } else {
        lines.insert(lines.begin() + use.Choose(static_cast<unsigned>(lines.size()) + 1), "2011.05.05 no separator\r\n");
        ++model.UnreadableLines;
    }
    for (const std::string& line : lines) {
        content += line;
    }
    ASSERT_TRUE(WriteFileContent(path, content));
}

void ExpectStoreMatchesModel(const TStoreTestFolder& folder, const TNotificationsDb& db, const TStoreModel& model,
                             bool dataFileMade, int step) {
    const std::vector<TNotification> stored = ReadAllNotifications(db);
    ASSERT_EQ(stored.size(), model.Records.size()) << "step " << step;
    std::vector<std::wstring> expectedFiles;
    if (dataFileMade) {
        expectedFiles.push_back(L"notifications");
    }
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const TModelRecord& expected = model.Records[i];
        ASSERT_EQ(stored[i].Date, expected.Date) << "step " << step << " position " << i;
        ASSERT_EQ(stored[i].Text, expected.Text) << "step " << step << " position " << i;
        ASSERT_EQ(stored[i].Repeat, expected.Repeat) << "step " << step << " position " << i;
        ASSERT_EQ(stored[i].Id, expected.Id) << "step " << step << " position " << i;
        ASSERT_EQ(stored[i].SoundFile.empty(), expected.Sound.empty()) << "step " << step << " position " << i;
        if (!expected.Sound.empty()) {
            ASSERT_EQ(ReadWholeFile(stored[i].SoundFile), expected.Sound) << "step " << step;
            expectedFiles.push_back(stored[i].SoundFile.substr(folder.GetPath().size() + 1));
        }
    }
    std::sort(expectedFiles.begin(), expectedFiles.end());
    ASSERT_EQ(folder.ListFileNames(), expectedFiles) << "step " << step;
    ASSERT_EQ(db.GetUnreadableLines().size(), model.UnreadableLines) << "step " << step;
    const TNotification earliest = db.GetEarliestNotification();
    ASSERT_EQ(earliest.Date, model.Records.empty() ? TDateTimeText() : model.Records[0].Date);
    ASSERT_EQ(earliest.Id, model.Records.empty() ? -1 : model.Records[0].Id) << "step " << step;
    // The earliest reminder is remembered from the changes: it must be what a fresh read gives.
    const TNotificationsDb fresh(folder.GetDataPath());
    TNotification read = fresh.GetEarliestNotification();
    read.Id = earliest.Id;
    ASSERT_EQ(earliest, read) << "step " << step;
    for (const TDateTimeText& now : {TDateTimeText("2011.05.01 08:29:59"), TDateTimeText("2011.05.05 12:00:00"),
                                     TDateTimeText("2011.05.09 12:00:00"), read.Date}) {
        ASSERT_EQ(db.IsNotificationHappening(now), fresh.IsNotificationHappening(now)) << "step " << step << " " << now;
    }
}

}  // namespace

TEST(NotificationsDbModelTest, RandomChangesMatchAPlainModel) {
    const TStoreTestFolder folder;
    const TStoreTestFolder sourceFolder;
    const std::wstring source = sourceFolder.GetFilePath(L"recorded.pcm");
    TNotificationsDb db(folder.GetDataPath());
    TStoreModel model;
    TRandomStoreUse use(20110516);
    bool dataFileMade = false;
    for (int step = 0; step < StepCount; ++step) {
        unsigned choice = use.Choose(100);
        const bool full = model.Records.size() >= LargestStore;
        // The store reads another program's change when told of it, or when it makes a change
        // itself (an add reads the file whatever the memory holds).
        if (dataFileMade && use.Choose(8) == 0) {
            WriteAsAnotherProgram(folder.GetDataPath(), model, use);
            if (full || use.Choose(2) == 0) {
                db.FollowOutsideChanges();
            } else {
                choice = 0;
            }
        }
        if (choice < 45 && !full) {
            const TDateTimeText date = use.MakeDate();
            const std::wstring text = use.MakeText();
            const std::string sound = use.MakeSound();
            const std::string repeat = use.MakeRepeat();
            TNotification notification(date, text);
            notification.Repeat = repeat;
            notification.Id = static_cast<std::int32_t>(use.Choose(50));
            if (!sound.empty()) {
                ASSERT_TRUE(WriteFileContent(source, sound));
                notification.SoundFile = source;
            }
            ASSERT_EQ(db.AddNotification(notification), model.Add(date, text, sound, repeat)) << "step " << step;
            dataFileMade = true;
        } else if (choice < 70 && !model.Records.empty()) {
            const std::int32_t id = model.Records[use.Choose(static_cast<unsigned>(model.Records.size()))].Id;
            db.DeleteNotification(id);
            model.Delete(id);
        } else if (choice < 78) {
            const std::int32_t absent = static_cast<std::int32_t>(use.Choose(100)) - 1;
            if (model.FindPosition(absent) < 0) {
                db.DeleteNotification(absent);
            }
        } else if (choice < 84) {
            db.RemoveEarliestNotification();
            model.RemoveEarliest();
        } else if (choice < 90) {
            const TDateTimeText date = use.MakeDate();
            const std::string repeat = use.MakeRepeat();
            db.RescheduleEarliestNotification(date, repeat);
            model.RescheduleEarliest(date, repeat);
        } else {
            const std::int32_t id = static_cast<std::int32_t>(use.Choose(50));
            const std::ptrdiff_t position = model.FindPosition(id);
            const TNotification found = db.GetNotification(id);
            ASSERT_EQ(found.Id, position < 0 ? -1 : id) << "step " << step;
            ASSERT_EQ(found.Text, position < 0 ? std::wstring() : model.Records[position].Text) << "step " << step;
        }
        ExpectStoreMatchesModel(folder, db, model, dataFileMade, step);
        if (testing::Test::HasFatalFailure()) {
            return;
        }
    }
}
