// The running program against a minimal Win32 program that creates one window, both started
// the same way: start-up time, idle processor time with 1,000 stored reminders, size and memory;
// the memory of 10,000 stored reminders against none; then the firing latency of reminders due
// at known seconds.
//
// bench_program NUDGELY_EXE MINIMAL_EXE IDLE_SECONDS FIRINGS

#include "bench/BenchDataFolder.h"
#include "bench/BenchFigures.h"
#include "bench/BenchProcess.h"
#include "bench/DataFileOpenWatch.h"
#include "bench/HostProcessFigures.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace {

const wchar_t CloseRequestTitle[] = L"brantel.Nudgely.closeRequestReceivingWindowName";
const wchar_t MinimalTitle[] = L"Nudgely benchmark minimal window";
const char ProgramProcessName[] = "nudgely.exe";
const char MinimalProcessName[] = "bench_minimal_w";
const unsigned long long TicksPerSecond = 10000000;
const int StartRounds = 7;

std::wstring Quote(const std::wstring& path) { return L"\"" + path + L"\""; }

// Asks the running program to quit the way a user's script would.
void CloseProgram(const std::wstring& program, TBenchProcess& instance) {
    TBenchProcess closer(Quote(program) + L" /close");
    closer.WaitForExit(10000);
    instance.WaitForExit(10000);
}

void CloseMinimal(TBenchProcess& minimal) {
    if (const HWND window = FindWindowW(nullptr, MinimalTitle)) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    minimal.WaitForExit(10000);
}

bool MeasureStartUp(const std::wstring& program, const std::wstring& minimalProgram) {
    std::vector<double> programTimes, minimalTimes;
    for (int round = 0; round < StartRounds; ++round) {
        {
            TBenchProcess minimal(Quote(minimalProgram));
            if (!WaitForWindow(MinimalTitle, 20000)) {
                std::printf("start-up: the minimal program showed no window\n");
                return false;
            }
            minimalTimes.push_back(ReadSeconds() - minimal.GetStartSeconds());
            CloseMinimal(minimal);
        }
        ClearDataFolder();
        TBenchProcess instance(Quote(program));
        if (!WaitForWindow(CloseRequestTitle, 20000)) {
            std::printf("start-up: nudgely.exe made no close-request window\n");
            return false;
        }
        programTimes.push_back(ReadSeconds() - instance.GetStartSeconds());
        CloseProgram(program, instance);
    }
    PrintFigure("start-up to the close-request window (median of " + std::to_string(StartRounds) + ")",
                GetMedian(programTimes) * 1000, "minimal one-window program", GetMedian(minimalTimes) * 1000, "ms",
                1.5);
    return true;
}

double GetFileBytes(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes)) {
        return 0;
    }
    return static_cast<double>((static_cast<unsigned long long>(attributes.nFileSizeHigh) << 32) |
                               attributes.nFileSizeLow);
}

bool MeasureIdle(const std::wstring& program, const std::wstring& minimalProgram, int seconds) {
    ClearDataFolder();
    std::vector<TNotification> reminders;
    for (int index = 0; index < 1000; ++index) {
        reminders.emplace_back(FormatLocalDateTime(ReadUtcTicks() + (3650ull * 86400 + index) * TicksPerSecond),
                               L"Reminder " + std::to_wstring(index) + L": call the dentist");
    }
    WriteReminders(reminders);
    TBenchProcess instance(Quote(program));
    TBenchProcess minimal(Quote(minimalProgram));
    if (!WaitForWindow(CloseRequestTitle, 20000) || !WaitForWindow(MinimalTitle, 20000)) {
        std::printf("idle: a program did not start\n");
        return false;
    }
    Sleep(3000);
    TDataFileOpenWatch opens(GetDataFolder() + L"\\notifications");
    THostProcessFigures programStart, minimalStart, programEnd, minimalEnd;
    if (!ReadHostProcessFigures(ProgramProcessName, programStart) ||
        !ReadHostProcessFigures(MinimalProcessName, minimalStart)) {
        std::printf("idle: the programs' processor time is not readable here\n");
        return false;
    }
    const double wallStart = ReadSeconds();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    ReadHostProcessFigures(ProgramProcessName, programEnd);
    ReadHostProcessFigures(MinimalProcessName, minimalEnd);
    const double wall = ReadSeconds() - wallStart;
    const int openCount = opens.Finish();
    const double programShare = (programEnd.ProcessorSeconds - programStart.ProcessorSeconds) / wall * 100;
    const double minimalShare = (minimalEnd.ProcessorSeconds - minimalStart.ProcessorSeconds) / wall * 100;
    std::printf("idle processor time, 1000 reminders, %.0f s: %.4f %% of one core (goal <= 0.02 %%: %s); "
                "floor (minimal one-window program): %.4f %%; ratio %s\n",
                wall, programShare, programShare <= 0.02 ? "met" : "MISSED", minimalShare,
                minimalShare > 0 ? std::to_string(programShare / minimalShare).c_str() : "n/a (floor 0)");
    if (openCount < 0) {
        std::printf("data-file opens while idle: not countable here (no inotify or python3 on the host)\n");
    } else {
        std::printf("data-file opens while idle, %.0f s: %d (goal 0: %s)\n", wall, openCount,
                    openCount == 0 ? "met" : "MISSED");
    }
    PrintFigure("private working set at idle", programEnd.PrivateResidentBytes / 1024, "minimal one-window program",
                minimalEnd.PrivateResidentBytes / 1024, "KiB", 0);
    PrintFigure("whole working set at idle", instance.ReadWorkingSetBytes() / 1024, "minimal one-window program",
                minimal.ReadWorkingSetBytes() / 1024, "KiB", 0);
    CloseMinimal(minimal);
    CloseProgram(program, instance);
    return true;
}

// The program's private working set a few seconds after it started on these reminders; 0 when it
// cannot be read.
double ReadSettledPrivateBytes(const std::wstring& program, const std::vector<TNotification>& reminders) {
    ClearDataFolder();
    WriteReminders(reminders);
    TBenchProcess instance(Quote(program));
    THostProcessFigures figures;
    const bool read = WaitForWindow(CloseRequestTitle, 20000) && (Sleep(3000), true) &&
                      ReadHostProcessFigures(ProgramProcessName, figures);
    CloseProgram(program, instance);
    return read ? figures.PrivateResidentBytes : 0;
}

// The store keeps its data file in memory: what 10,000 reminders cost, against none.
bool MeasureStoreMemory(const std::wstring& program) {
    std::vector<TNotification> reminders;
    for (int index = 0; index < 10000; ++index) {
        reminders.emplace_back(FormatLocalDateTime(ReadUtcTicks() + (3650ull * 86400 + index) * TicksPerSecond),
                               L"Reminder " + std::to_wstring(index) + L": call the dentist");
    }
    const double empty = ReadSettledPrivateBytes(program, {});
    const double full = ReadSettledPrivateBytes(program, reminders);
    if (empty == 0 || full == 0) {
        std::printf("store memory: the program's working set is not readable here\n");
        return false;
    }
    const double moreKiB = (full - empty) / 1024;
    std::printf("private working set, 10000 reminders: %.0f KiB; floor (empty store): %.0f KiB; %+.0f KiB "
                "(goal <= +4096 KiB: %s)\n",
                full / 1024, empty / 1024, moreKiB, moreKiB <= 4096 ? "met" : "MISSED");
    return true;
}

HWND FindDescendant(HWND window, const std::wstring& text) {
    struct TSearch {
        std::wstring Text;
        HWND Found;
    } search{text, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<TSearch*>(context);
            wchar_t text[64] = {};
            GetWindowTextW(child, text, 64);
            if (search->Text == text) {
                search->Found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

bool WaitForVisibility(HWND window, bool visible, double seconds) {
    const double end = ReadSeconds() + seconds;
    while ((IsWindowVisible(window) != FALSE) != visible) {
        if (ReadSeconds() > end) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

// Appends the latencies of count reminders fired by one run of the program. Several runs, each
// started at another moment of its second, show whether the scheduler's ticks keep to the clock's
// seconds whatever the start.
bool MeasureOneRunsLatencies(const std::wstring& program, int count, std::vector<double>& latencies) {
    ClearDataFolder();
    const unsigned long long spacing = 2 * TicksPerSecond;
    const unsigned long long first = (ReadUtcTicks() / TicksPerSecond + 4) * TicksPerSecond;
    std::vector<TNotification> reminders;
    for (int index = 0; index < count; ++index) {
        reminders.emplace_back(FormatLocalDateTime(first + index * spacing), L"Firing " + std::to_wstring(index));
    }
    WriteReminders(reminders);
    TBenchProcess instance(Quote(program));
    if (!WaitForWindow(CloseRequestTitle, 20000)) {
        std::printf("firing latency: nudgely.exe did not start\n");
        return false;
    }
    const HWND window = WaitForWindow(L"Notification", 20000);
    for (int index = 0; index < count; ++index) {
        if (!window || !WaitForVisibility(window, true, 10)) {
            std::printf("firing latency: reminder %d was not shown\n", index);
            return false;
        }
        const double seen = static_cast<double>(ReadUtcTicks());
        latencies.push_back((seen - static_cast<double>(first + index * spacing)) / TicksPerSecond);
        const HWND closeButton = FindDescendant(window, L"&Close");
        if (!closeButton) {
            std::printf("firing latency: the notification window has no Close button\n");
            return false;
        }
        SendMessageW(closeButton, BM_CLICK, 0, 0);
        WaitForVisibility(window, false, 5);
    }
    CloseProgram(program, instance);
    return true;
}

bool MeasureFiringLatency(const std::wstring& program, int firings) {
    const int perRun = 5;
    std::vector<double> latencies;
    for (int fired = 0; fired < firings; fired += perRun) {
        if (!MeasureOneRunsLatencies(program, std::min(perRun, firings - fired), latencies)) {
            return false;
        }
    }
    const double median = GetMedian(latencies);
    const double maximum = *std::max_element(latencies.begin(), latencies.end());
    const double minimum = *std::min_element(latencies.begin(), latencies.end());
    std::printf("firing latency over %d reminders in %d runs: median %.3f s (goal <= 0.1: %s), maximum %.3f s "
                "(goal <= 0.25: %s), minimum %.3f s; floor (the scheduler's period): 1.000 s; ratio median %.2f, "
                "maximum %.2f\n",
                firings, (firings + perRun - 1) / perRun, median, median <= 0.1 ? "met" : "MISSED", maximum,
                maximum <= 0.25 ? "met" : "MISSED", minimum, median, maximum);
    return minimum >= 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::printf("usage: bench_program NUDGELY_EXE MINIMAL_EXE IDLE_SECONDS FIRINGS\n");
        return 2;
    }
    const std::wstring program = argv[1];
    const std::wstring minimalProgram = argv[2];
    const int idleSeconds = static_cast<int>(std::wcstol(argv[3], nullptr, 10));
    const int firings = static_cast<int>(std::wcstol(argv[4], nullptr, 10));

    PrintFigure("executable size", GetFileBytes(program) / 1024, "minimal one-window program",
                GetFileBytes(minimalProgram) / 1024, "KiB", 0);
    bool measured = MeasureStartUp(program, minimalProgram);
    measured = MeasureIdle(program, minimalProgram, idleSeconds) && measured;
    measured = MeasureStoreMemory(program) && measured;
    measured = MeasureFiringLatency(program, firings) && measured;
    ClearDataFolder();
    return measured ? 0 : 1;
}
