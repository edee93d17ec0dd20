#pragma once

#include <windows.h>

#include <string>

// A program started by a test; killed when the test lets go of it while it still runs.
class TChildProcess {
public:
    // commandLine is the whole command line, program path first; workingFolder may be empty.
    // With captureOutput, the child's standard output is collected (read it with ReadOutput).
    TChildProcess(const std::wstring& commandLine, const std::wstring& workingFolder = L"", bool captureOutput = false);
    ~TChildProcess();
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    bool Started() const { return Process != nullptr; }
    DWORD GetId() const { return Id; }
    // True when it ended within the time; the exit code is then in exitCode.
    bool WaitForExit(DWORD milliseconds, DWORD& exitCode);
    bool IsRunning() const;
    // Everything the child wrote to its standard output until it closed it.
    std::string ReadOutput();

private:
    HANDLE Process = nullptr;
    HANDLE OutputRead = nullptr;
    DWORD Id = 0;
};

std::wstring Quote(const std::wstring& argument);
