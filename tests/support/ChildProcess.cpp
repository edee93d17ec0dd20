#include "tests/support/ChildProcess.h"

#include <vector>

TChildProcess::TChildProcess(const std::wstring& commandLine, const std::wstring& workingFolder, bool captureOutput) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    HANDLE outputWrite = nullptr;
    if (captureOutput) {
        SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
        CreatePipe(&OutputRead, &outputWrite, &inheritable, 0);
        SetHandleInformation(OutputRead, HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = outputWrite;
        startup.hStdError = outputWrite;
        startup.hStdInput = nullptr;
    }
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, captureOutput, 0, nullptr,
                       workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        Process = info.hProcess;
        Id = info.dwProcessId;
    }
    if (outputWrite) {
        CloseHandle(outputWrite);
    }
}

TChildProcess::~TChildProcess() {
    if (Process) {
        if (IsRunning()) {
            TerminateProcess(Process, 99);
            WaitForSingleObject(Process, 5000);
        }
        CloseHandle(Process);
    }
    if (OutputRead) {
        CloseHandle(OutputRead);
    }
}

bool TChildProcess::WaitForExit(DWORD milliseconds, DWORD& exitCode) {
    if (!Process || WaitForSingleObject(Process, milliseconds) != WAIT_OBJECT_0) {
        return false;
    }
    GetExitCodeProcess(Process, &exitCode);
    return true;
}

bool TChildProcess::IsRunning() const { return Process && WaitForSingleObject(Process, 0) == WAIT_TIMEOUT; }

std::string TChildProcess::ReadOutput() {
    std::string output;
    char buffer[4096];
    DWORD read = 0;
    while (OutputRead && ReadFile(OutputRead, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        output.append(buffer, read);
    }
    return output;
}

std::wstring Quote(const std::wstring& argument) { return L"\"" + argument + L"\""; }
