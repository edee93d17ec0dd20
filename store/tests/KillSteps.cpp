#include "store/tests/KillSteps.h"

#include <cstdint>

const char* const KillTestSound = "voice note of the kill test";
const wchar_t* const KillTestEventSuffix = L"_started";
const wchar_t* const KillTestMemorySuffix = L"_step";

namespace {

const std::size_t LargestStore = 12;

std::uint64_t Mix(std::uint64_t value) {
    value ^= value >> 33;
    value *= 0xff51afd7ed558ccdULL;
    value ^= value >> 33;
    value *= 0xc4ceb9fe1a85ec53ULL;
    return value ^ (value >> 33);
}

}  // namespace

TKillStep PlanKillStep(long long step, std::size_t storeSize) {
    const std::uint64_t hash = Mix(static_cast<std::uint64_t>(step));
    TKillStep planned;
    const unsigned choice = static_cast<unsigned>(hash % 10);
    const int day = 1 + static_cast<int>(hash / 10 % 20);
    planned.Date = "2011.05." + std::string(day < 10 ? "0" : "") + std::to_string(day) + " 12:00:00";
    planned.Repeat = hash / 10000 % 2 == 0 ? "every " + std::to_string(day) + " days" : std::string();
    if (storeSize == 0 || (choice < 6 && storeSize < LargestStore)) {
        planned.Text = L"step " + std::to_wstring(step) + L" \x00FC|\x4E2D";
        planned.WithSound = hash / 1000 % 3 == 0;
    } else if (choice < 8) {
        planned.Kind = TKillStep::DeleteAt;
        planned.Position = static_cast<std::size_t>(hash / 100 % storeSize);
    } else if (choice < 9) {
        planned.Kind = TKillStep::RemoveEarliest;
    } else {
        planned.Kind = TKillStep::RescheduleEarliest;
    }
    return planned;
}
