// Makes the kill test's changes to a store, one after another, until it is killed. Before each
// change it posts the change's step in the test's shared memory, so that the test knows which
// change a kill interrupted.
// Arguments: data file, sound file to copy, first step, base name of the test's event and memory.

#include "store/NotificationsDb.h"
#include "store/tests/KillSteps.h"

#include <windows.h>

#include <string>

namespace {

// Never outlives a test that died without killing it.
const DWORD LongestRun = 60000;

std::int32_t FindIdAt(const TNotificationsDb& db, std::size_t position) {
    TNotificationsDb::TIterator iterator = db.Begin();
    for (std::size_t skipped = 0; skipped < position && iterator.IsValid(); ++skipped) {
        iterator.Next();
    }
    return iterator.Current().Id;
}

std::size_t CountNotifications(const TNotificationsDb& db) {
    std::size_t count = 0;
    for (TNotificationsDb::TIterator iterator = db.Begin(); iterator.IsValid(); iterator.Next()) {
        ++count;
    }
    return count;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        return 2;
    }
    const std::wstring dataPath = argv[1];
    const std::wstring soundSource = argv[2];
    long long step = std::stoll(argv[3]);
    TNotificationsDb db(dataPath);
    std::size_t size = CountNotifications(db);
    const std::wstring baseName = argv[4];
    const HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, (baseName + KillTestMemorySuffix).c_str());
    auto* const stepInFlight = static_cast<LONGLONG*>(mapping ? MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0) : nullptr);
    const HANDLE started = OpenEventW(EVENT_MODIFY_STATE, FALSE, (baseName + KillTestEventSuffix).c_str());
    if (!stepInFlight || !started || !SetEvent(started)) {
        return 3;
    }
    const DWORD start = GetTickCount();
    for (; GetTickCount() - start < LongestRun; ++step) {
        InterlockedExchange64(stepInFlight, step);
        const TKillStep planned = PlanKillStep(step, size);
        switch (planned.Kind) {
            case TKillStep::Add: {
                TNotification notification(planned.Date, planned.Text);
                notification.Repeat = planned.Repeat;
                notification.SoundFile = planned.WithSound ? soundSource : L"";
                db.AddNotification(notification);
                ++size;
                break;
            }
            case TKillStep::DeleteAt:
                db.DeleteNotification(FindIdAt(db, planned.Position));
                --size;
                break;
            case TKillStep::RemoveEarliest:
                db.RemoveEarliestNotification();
                --size;
                break;
            case TKillStep::RescheduleEarliest:
                db.RescheduleEarliestNotification(planned.Date, planned.Repeat);
                break;
        }
    }
    CloseHandle(started);
    UnmapViewOfFile(stepInFlight);
    CloseHandle(mapping);
    return 0;
}
