#include "store/FileContent.h"
#include "store/NotificationsDb.h"
#include "store/tests/KillSteps.h"
#include "store/tests/StoreTestFolder.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace {

const int KillCount = 100;

struct TModelRecord {
    TDateTimeText Date;
    std::string Repeat;
    std::wstring Text;
    bool WithSound;

    bool operator==(const TModelRecord& other) const {
        return Date == other.Date && Repeat == other.Repeat && Text == other.Text && WithSound == other.WithSound;
    }
};

using TModelState = std::vector<TModelRecord>;

void InsertInDueOrder(const TModelRecord& added, TModelState& state) {
    const auto later = std::find_if(state.begin(), state.end(),
                                    [&added](const TModelRecord& record) { return !(record.Date < added.Date); });
    state.insert(later, added);
}

void ApplyStep(long long step, TModelState& state) {
    const TKillStep planned = PlanKillStep(step, state.size());
    switch (planned.Kind) {
        case TKillStep::Add:
            InsertInDueOrder(TModelRecord{planned.Date, planned.Repeat, planned.Text, planned.WithSound}, state);
            break;
        case TKillStep::DeleteAt:
            state.erase(state.begin() + static_cast<std::ptrdiff_t>(planned.Position));
            break;
        case TKillStep::RemoveEarliest:
            state.erase(state.begin());
            break;
        case TKillStep::RescheduleEarliest: {
            TModelRecord rescheduled = state.front();
            state.erase(state.begin());
            rescheduled.Date = planned.Date;
            rescheduled.Repeat = planned.Repeat;
            InsertInDueOrder(rescheduled, state);
            break;
        }
    }
}

// Reads the store as a fresh store object sees it; every stored sound must be a complete copy
// of its own.
TModelState ReadStoreState(const std::wstring& dataPath) {
    const TNotificationsDb db(dataPath);
    TModelState state;
    std::set<std::wstring> soundFiles;
    for (const TNotification& notification : ReadAllNotifications(db)) {
        const bool withSound = !notification.SoundFile.empty();
        if (withSound) {
            EXPECT_EQ(ReadWholeFile(notification.SoundFile), KillTestSound);
            EXPECT_TRUE(soundFiles.insert(notification.SoundFile).second);
        }
        state.push_back(TModelRecord{notification.Date, notification.Repeat, notification.Text, withSound});
    }
    return state;
}

// The event a child sets once it runs, and the memory where it posts the step in flight.
class TChildSignals {
public:
    TChildSignals()
        : BaseName(L"nudgely_store_kill_test_" + std::to_wstring(GetCurrentProcessId())),
          Started(CreateEventW(nullptr, FALSE, FALSE, (BaseName + KillTestEventSuffix).c_str())),
          Mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONGLONG),
                                     (BaseName + KillTestMemorySuffix).c_str())),
          StepInFlight(static_cast<LONGLONG*>(Mapping ? MapViewOfFile(Mapping, FILE_MAP_WRITE, 0, 0, 0) : nullptr)) {}
    ~TChildSignals() {
        if (StepInFlight) {
            UnmapViewOfFile(StepInFlight);
        }
        if (Mapping) {
            CloseHandle(Mapping);
        }
        if (Started) {
            CloseHandle(Started);
        }
    }
    TChildSignals(const TChildSignals&) = delete;
    TChildSignals& operator=(const TChildSignals&) = delete;

    bool IsReady() const { return Started && StepInFlight; }

    const std::wstring BaseName;
    const HANDLE Started;
    const HANDLE Mapping;
    LONGLONG* const StepInFlight;
};

}  // namespace

TEST(NotificationsDbKillTest, DataFileSurvivesKillsAtRandomMoments) {
    const TStoreTestFolder folder;
    const TStoreTestFolder soundFolder;
    const std::wstring dataPath = folder.GetDataPath();
    const std::wstring soundSource = soundFolder.GetFilePath(L"source.pcm");
    ASSERT_TRUE(WriteFileContent(soundSource, KillTestSound));
    const TChildSignals signals;
    ASSERT_TRUE(signals.IsReady());
    const std::wstring child = GetProgramFolder() + L"\\store_kill_child.exe";

    std::mt19937 random(std::random_device{}());
    long long done = 0;  // The file holds the state after this step.
    TModelState state;
    int killsInChanges = 0;
    int killsBeforeReplace = 0;
    for (int kill = 0; kill < KillCount; ++kill) {
        *signals.StepInFlight = done;
        {
            TChildProcess process(Quote(child) + L" " + Quote(dataPath) + L" " + Quote(soundSource) + L" " +
                                  std::to_wstring(done + 1) + L" " + signals.BaseName);
            ASSERT_TRUE(process.Started());
            ASSERT_EQ(WaitForSingleObject(signals.Started, 20000), WAIT_OBJECT_0);
            Sleep(random() % 40);
            ASSERT_TRUE(process.IsRunning()) << "the child ended by itself";
        }
        const long long inFlight = *signals.StepInFlight;
        ASSERT_GE(inFlight, done);
        TModelState before = state;
        for (long long step = done + 1; step < inFlight; ++step) {
            ApplyStep(step, before);
        }
        TModelState after = before;
        if (inFlight > done) {
            ApplyStep(inFlight, after);
            ++killsInChanges;
        }
        const TModelState found = ReadStoreState(dataPath);
        if (found == after) {
            state = after;
            done = inFlight;
        } else {
            ASSERT_TRUE(inFlight > done && found == before) << "kill " << kill << " in step " << inFlight
                                                            << ": the file holds neither the state before nor after";
            state = before;
            done = inFlight - 1;
            ++killsBeforeReplace;
        }
    }
    EXPECT_GT(killsInChanges, KillCount / 2);
    EXPECT_GT(killsBeforeReplace, 0);

    // A new store on what the last kill left goes on working.
    TNotificationsDb db(dataPath);
    TNotification added("2011.05.10 12:30:00", L"after the kills");
    added.SoundFile = soundSource;
    const std::int32_t id = db.AddNotification(added);
    EXPECT_EQ(db.GetNotification(id).Text, L"after the kills");
    db.DeleteNotification(id);
    EXPECT_EQ(ReadStoreState(dataPath), state);
}
