#pragma once

#include <windows.h>

#include <string>
#include <vector>

using TBytes = std::vector<unsigned char>;

// A folder of the test's own under /tmp that both this program (through Wine's drive Z:) and the
// Linux sound tools it starts can reach. It goes with its files.
class TScratchFolder {
public:
    TScratchFolder();
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    std::wstring GetWindowsPath(const std::wstring& name) const;
    std::string GetUnixPath(const std::string& name) const;

private:
    std::string UnixPath;
    std::wstring WindowsPath;
};

// Linux shell commands run in the background; their output and exit status land in the folder.
// Wine gives no handle to wait on for a Linux process, so its end is seen by a marker file.
class TLinuxCommands {
public:
    TLinuxCommands(const TScratchFolder& folder, const std::string& name, const std::string& commands);

    // Keeps the thread's messages flowing while it waits.
    bool WaitUntilFinished(DWORD timeoutMilliseconds) const;
    bool IsFinished() const;
    // "exit 0" when all went well; else the status, then what the commands wrote.
    std::string DescribeOutcome() const;

private:
    std::wstring StatusPath;
    std::wstring OutputPath;
};

TBytes ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const TBytes& bytes);
bool FileExists(const std::wstring& path);
