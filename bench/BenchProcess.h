#pragma once

#include <windows.h>

#include <string>

// A program started by a benchmark, with the moment it was started; ended when let go of.
class TBenchProcess {
public:
    explicit TBenchProcess(const std::wstring& commandLine);
    ~TBenchProcess();
    TBenchProcess(const TBenchProcess&) = delete;
    TBenchProcess& operator=(const TBenchProcess&) = delete;

    bool IsStarted() const { return Process != nullptr; }
    double GetStartSeconds() const { return StartSeconds; }
    bool WaitForExit(DWORD milliseconds);
    // 0 when not readable.
    double ReadWorkingSetBytes() const;

private:
    HANDLE Process = nullptr;
    double StartSeconds = 0;
};

// Waits for a top-level window with that title; null after the time.
HWND WaitForWindow(const std::wstring& title, DWORD milliseconds);
