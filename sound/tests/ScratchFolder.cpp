#include "ScratchFolder.h"

#include "tests/support/MessagePumping.h"
#include "texts/WideText.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::wstring ToWindowsPath(const std::string& unixPath) {
    std::wstring path = L"Z:" + WidenUtf8(unixPath);
    for (wchar_t& character : path) {
        if (character == L'/') {
            character = L'\\';
        }
    }
    return path;
}

std::string ReadText(const std::wstring& path) {
    const TBytes bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TScratchFolder::TScratchFolder() {
    static int made = 0;
    std::ostringstream name;
    name << "/tmp/nudgely-sound-test-" << GetCurrentProcessId() << '-' << GetTickCount64() << '-' << ++made;
    UnixPath = name.str();
    WindowsPath = ToWindowsPath(UnixPath);
    CreateDirectoryW(WindowsPath.c_str(), nullptr);
}

TScratchFolder::~TScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(WindowsPath), ignored);
}

std::wstring TScratchFolder::GetWindowsPath(const std::wstring& name) const { return WindowsPath + L"\\" + name; }

std::string TScratchFolder::GetUnixPath(const std::string& name) const { return UnixPath + "/" + name; }

TLinuxCommands::TLinuxCommands(const TScratchFolder& folder, const std::string& name, const std::string& commands)
    : StatusPath(folder.GetWindowsPath(WidenUtf8(name + ".status"))),
      OutputPath(folder.GetWindowsPath(WidenUtf8(name + ".output"))) {
    const std::string script = "(\n" + commands + "\n) >" + folder.GetUnixPath(name + ".output") + " 2>&1\n" +
                               "echo $? >" + folder.GetUnixPath(name + ".status.part") + "\n" + "mv " +
                               folder.GetUnixPath(name + ".status.part") + " " + folder.GetUnixPath(name + ".status") +
                               "\n";
    const std::string scriptPath = name + ".sh";
    WriteFileBytes(folder.GetWindowsPath(WidenUtf8(scriptPath)), TBytes(script.begin(), script.end()));
    std::wstring commandLine = L"/bin/sh " + WidenUtf8(folder.GetUnixPath(scriptPath));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        // Wine hands out no real handles for a Linux process; close whatever came back.
        if (process.hProcess) {
            CloseHandle(process.hProcess);
        }
        if (process.hThread) {
            CloseHandle(process.hThread);
        }
    }
}

bool TLinuxCommands::WaitUntilFinished(DWORD timeoutMilliseconds) const {
    return PumpMessagesUntil([this] { return IsFinished(); }, timeoutMilliseconds);
}

bool TLinuxCommands::IsFinished() const { return FileExists(StatusPath); }

std::string TLinuxCommands::DescribeOutcome() const {
    if (!IsFinished()) {
        return "still running; output so far:\n" + ReadText(OutputPath);
    }
    std::string status = ReadText(StatusPath);
    while (!status.empty() && (status.back() == '\n' || status.back() == '\r')) {
        status.pop_back();
    }
    if (status == "0") {
        return "exit 0";
    }
    return "exit " + status + "; output:\n" + ReadText(OutputPath);
}

TBytes ReadFileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::wstring& path, const TBytes& bytes) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
