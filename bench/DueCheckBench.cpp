// The scheduler's due check (FollowOutsideChanges and IsNotificationHappening, as each tick asks
// them, and GetEarliestNotification) at 10,000 reminders against the same at 100: it answers from
// the store's memory, whatever its size.

#include "bench/BenchFigures.h"
#include "bench/BenchStoreFile.h"
#include "store/NotificationsDb.h"

#include <memory>
#include <string>
#include <vector>

namespace {

const double Goal = 1.3;
const int Calls = 400;

struct TDueCheckCost {
    double Happening;
    double Earliest;
};

// Microseconds per call, the least of several batches, the two stores' batches interleaved. Each
// tick asks the system whether the data file's folder changed: under Wine a round trip to its
// server, whose time varies from batch to batch by more than the whole of the check's own work,
// so that the median compares noise; the least batch is the check's cost.
std::vector<TDueCheckCost> Measure(const std::vector<int>& counts) {
    const TBenchFolder folder;
    std::vector<std::unique_ptr<TNotificationsDb>> stores;
    for (const int count : counts) {
        const std::wstring path = folder.GetPath() + L"\\notifications" + std::to_wstring(count);
        WriteBenchDataFile(path, count);
        stores.push_back(std::make_unique<TNotificationsDb>(path));
    }
    std::vector<std::vector<double>> happening(counts.size()), earliest(counts.size());
    bool due = false;
    for (int batch = 0; batch < 15; ++batch) {
        for (std::size_t index = 0; index < stores.size(); ++index) {
            double start = ReadSeconds();
            for (int call = 0; call < Calls; ++call) {
                stores[index]->FollowOutsideChanges();
                due = stores[index]->IsNotificationHappening("2020.01.01 00:00:00") != due;
            }
            happening[index].push_back((ReadSeconds() - start) / Calls * 1e6);
            start = ReadSeconds();
            for (int call = 0; call < Calls; ++call) {
                due = stores[index]->GetEarliestNotification().Date.empty() != due;
            }
            earliest[index].push_back((ReadSeconds() - start) / Calls * 1e6);
        }
    }
    std::vector<TDueCheckCost> costs;
    for (std::size_t index = 0; index < counts.size(); ++index) {
        costs.push_back({GetMinimum(happening[index]), GetMinimum(earliest[index])});
    }
    return costs;
}

}  // namespace

int main() {
    const std::vector<TDueCheckCost> costs = Measure({100, 10000});
    PrintFigure("due check FollowOutsideChanges and IsNotificationHappening, 10000 reminders", costs[1].Happening,
                "100 reminders",
                costs[0].Happening, "us", Goal);
    PrintFigure("due check GetEarliestNotification, 10000 reminders", costs[1].Earliest, "100 reminders",
                costs[0].Earliest, "us", Goal);
    return 0;
}
