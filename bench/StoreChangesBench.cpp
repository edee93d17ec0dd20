// Store changes (add, delete, remove earliest, reschedule earliest) at 100, 1,000 and 10,000 reminders, and
// a conflict copy merged into a data file of 10,000, against copying the data file beside itself
// with the same file calls, flushing it and renaming it over the original.

#include "bench/BenchFigures.h"
#include "bench/BenchStoreFile.h"
#include "store/DataFileMerge.h"
#include "store/FileContent.h"
#include "store/NotificationsDb.h"
#include "store/RecordLine.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

const double Goal = 1.3;
const double MergeGoal = 3;

bool CopyFlushAndRename(const std::wstring& path) {
    const std::wstring copyPath = path + L".copy";
    const HANDLE source = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const HANDLE copy =
        CreateFileW(copyPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool copied = source != INVALID_HANDLE_VALUE && copy != INVALID_HANDLE_VALUE;
    std::vector<char> buffer(65536);
    DWORD read = 0;
    while (copied && ReadFile(source, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) && read > 0) {
        DWORD written = 0;
        copied = WriteFile(copy, buffer.data(), read, &written, nullptr) && written == read;
    }
    copied = copied && FlushFileBuffers(copy);
    if (source != INVALID_HANDLE_VALUE) {
        CloseHandle(source);
    }
    if (copy != INVALID_HANDLE_VALUE) {
        CloseHandle(copy);
    }
    return copied &&
           MoveFileExW(copyPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

template <typename TAction>
double TimeSeconds(TAction action) {
    const double start = ReadSeconds();
    action();
    return ReadSeconds() - start;
}

void MeasureAt(int count, int rounds) {
    const TBenchFolder folder;
    const std::wstring path = folder.GetPath() + L"\\notifications";
    WriteBenchDataFile(path, count);
    TNotificationsDb store(path);
    const TNotification middle(AddDuration("2030.01.01 00:00:00", "00:00:" + std::to_string(count / 2)),
                               L"Added in the middle");

    std::vector<double> floors, adds, deletes, removals, reschedules;
    // The disk's flush time drifts with what else the machine writes, so the floor is taken
    // right before each change.
    const auto measureFloor = [&] { floors.push_back(TimeSeconds([&] { CopyFlushAndRename(path); })); };
    for (int round = 0; round < rounds; ++round) {
        std::int32_t id = -1;
        measureFloor();
        adds.push_back(TimeSeconds([&] { id = store.AddNotification(middle); }));
        measureFloor();
        deletes.push_back(TimeSeconds([&] { store.DeleteNotification(id); }));
        const TNotification earliest = store.GetEarliestNotification();
        measureFloor();
        removals.push_back(TimeSeconds([&] { store.RemoveEarliestNotification(); }));
        store.AddNotification(earliest);
        // A series going on: the earliest reminder moves to the middle of the file.
        measureFloor();
        reschedules.push_back(TimeSeconds([&] { store.RescheduleEarliestNotification(middle.Date, "every 1 day"); }));
    }
    const double floor = GetMedian(floors) * 1000;
    const std::string at = ", " + std::to_string(count) + " reminders";
    const double goal = count == 10000 ? Goal : 0;
    PrintFigure("store add" + at, GetMedian(adds) * 1000, "copy, flush, rename", floor, "ms", goal);
    PrintFigure("store delete" + at, GetMedian(deletes) * 1000, "copy, flush, rename", floor, "ms", goal);
    PrintFigure("store remove earliest" + at, GetMedian(removals) * 1000, "copy, flush, rename", floor, "ms", goal);
    PrintFigure("store reschedule earliest" + at, GetMedian(reschedules) * 1000, "copy, flush, rename", floor, "ms",
                goal);
}

// A file of count reminders as on one PC, in due order as the program writes it: every stride-th
// one moved a year on, and as many new.
std::string MakeChangedText(int count, int stride, const std::wstring& newText) {
    std::string stayed;
    std::string added;
    std::string moved;
    for (int index = 0; index < count; ++index) {
        const std::string seconds = "00:00:" + std::to_string(index);
        const std::wstring text = L"Reminder " + std::to_wstring(index) + L": call the dentist";
        if (index % stride != 0) {
            stayed += FormatRecordLine(TNotification(AddDuration("2030.01.01 00:00:00", seconds), text));
            continue;
        }
        moved += FormatRecordLine(TNotification(AddDuration("2031.01.01 00:00:00", seconds), text));
        added += FormatRecordLine(TNotification(AddDuration("2030.06.01 00:00:00", seconds), newText));
    }
    return stayed + added + moved;
}

// The data file and a conflict copy each read whole, merged against the common version in
// memory, and the result put in the data file's place.
void MeasureMerge(int count, int rounds) {
    const TBenchFolder folder;
    const std::wstring path = folder.GetPath() + L"\\notifications";
    const std::wstring copyPath = folder.GetPath() + L"\\notifications.sync-conflict-20301208-101500-ABCDEFG";
    WriteBenchDataFile(path, count);
    std::string common;
    ReadFileContent(path, common);
    const std::string ours = MakeChangedText(count, 7, L"Added on the desktop");
    WriteFileContent(copyPath, MakeChangedText(count, 5, L"Added on the laptop"));

    std::vector<double> floors, merges;
    for (int round = 0; round < rounds; ++round) {
        WriteFileContent(path, ours);
        floors.push_back(TimeSeconds([&] { CopyFlushAndRename(path); }));
        merges.push_back(TimeSeconds([&] {
            std::string dataFile;
            std::string copy;
            ReadFileContent(path, dataFile);
            ReadFileContent(copyPath, copy);
            ReplaceFileContent(path, MergeDataFileTexts(common, dataFile, copy));
        }));
    }
    PrintFigure("conflict copy merge, " + std::to_string(count) + " reminders", GetMedian(merges) * 1000,
                "copy, flush, rename", GetMedian(floors) * 1000, "ms", MergeGoal);
}

}  // namespace

int main() {
    MeasureAt(100, 31);
    MeasureAt(1000, 31);
    MeasureAt(10000, 31);
    MeasureMerge(10000, 11);
    return 0;
}
