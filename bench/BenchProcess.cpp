#include "bench/BenchProcess.h"

#include "bench/BenchFigures.h"

#include <psapi.h>

#include <vector>

TBenchProcess::TBenchProcess(const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    PROCESS_INFORMATION info{};
    StartSeconds = ReadSeconds();
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        Process = info.hProcess;
    }
}

TBenchProcess::~TBenchProcess() {
    if (Process) {
        if (WaitForSingleObject(Process, 0) == WAIT_TIMEOUT) {
            TerminateProcess(Process, 99);
            WaitForSingleObject(Process, 5000);
        }
        CloseHandle(Process);
    }
}

bool TBenchProcess::WaitForExit(DWORD milliseconds) {
    return Process && WaitForSingleObject(Process, milliseconds) == WAIT_OBJECT_0;
}

double TBenchProcess::ReadWorkingSetBytes() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!Process || !GetProcessMemoryInfo(Process, &counters, sizeof(counters))) {
        return 0;
    }
    return static_cast<double>(counters.WorkingSetSize);
}

HWND WaitForWindow(const std::wstring& title, DWORD milliseconds) {
    const double end = ReadSeconds() + milliseconds / 1000.0;
    for (;;) {
        if (const HWND window = FindWindowW(nullptr, title.c_str())) {
            return window;
        }
        if (ReadSeconds() > end) {
            return nullptr;
        }
        Sleep(1);
    }
}
