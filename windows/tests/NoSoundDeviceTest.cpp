#include "NotifyHotKeysTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// Wine's drive Z: is the Linux root.
std::string ToUnixPath(const std::wstring& windowsPath) {
    std::string unixPath;
    for (wchar_t character : windowsPath.substr(2)) {
        unixPath += character == L'\\' ? '/' : static_cast<char>(character);
    }
    return unixPath;
}

std::wstring GetProgramFolder() {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    const std::wstring path = module;
    return path.substr(0, path.find_last_of(L"\\/"));
}

// A folder under /tmp that both this program and the Linux shell reach.
class TSharedFolder {
public:
    TSharedFolder() : Path(L"Z:\\tmp\\nudgely-notifyhotkeys-" + std::to_wstring(GetCurrentProcessId())) {
        CreateDirectoryW(Path.c_str(), nullptr);
    }
    ~TSharedFolder() {
        for (const std::wstring& name : ListFolder(Path)) {
            DeleteFileW((Path + L"\\" + name).c_str());
        }
        RemoveDirectoryW(Path.c_str());
    }
    TSharedFolder(const TSharedFolder&) = delete;
    TSharedFolder& operator=(const TSharedFolder&) = delete;

    std::wstring GetPath(const std::wstring& name) const { return Path + L"\\" + name; }

private:
    std::wstring Path;
};

// Wine's sound driver reads the server's address from the Linux environment that a Wine program
// starts with, so the probe is started from a Linux shell with that address pointing nowhere.
// Wine gives no handle to wait on for a Linux process: its end shows as the status file.
bool RunProbeWithoutSoundServer(const TSharedFolder& folder, const std::wstring& notePath,
                                const std::wstring& reportPath) {
    const std::string script = "PULSE_SERVER=unix:/nonexistent/nudgely-no-sound-server wine '" +
                               ToUnixPath(GetProgramFolder() + L"\\windows_notifyhotkeys_no_sound_probe.exe") +
                               "' '" + ToUnixPath(notePath) + "' '" + ToUnixPath(reportPath) + "' >/dev/null 2>&1\n" +
                               "echo $? >'" + ToUnixPath(folder.GetPath(L"status.part")) + "'\n" + "mv '" +
                               ToUnixPath(folder.GetPath(L"status.part")) + "' '" +
                               ToUnixPath(folder.GetPath(L"status")) + "'\n";
    WriteFileBytes(folder.GetPath(L"probe.sh"), script);
    std::wstring commandLine = L"/bin/sh ";
    for (char character : ToUnixPath(folder.GetPath(L"probe.sh"))) {
        commandLine += static_cast<wchar_t>(character);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    if (process.hProcess) {
        CloseHandle(process.hProcess);
    }
    if (process.hThread) {
        CloseHandle(process.hThread);
    }
    for (int waited = 0; waited < 600 && GetFileAttributesW(folder.GetPath(L"status").c_str()) == INVALID_FILE_ATTRIBUTES;
         ++waited) {
        PumpMessagesFor(50);
    }
    return ReadFileBytes(folder.GetPath(L"status")) == "0\n";
}

}  // namespace

// Without a sound device the reminder still shows, so that it is neither lost nor blocks the
// reminders after it; the failure is reported, and so is each "Replay sound".
TEST(NotificationWithoutSoundDevice, ShowsTheReminderAndReportsTheDevice) {
    TSharedFolder folder;
    WriteFileBytes(folder.GetPath(L"note.pcm"), std::string(8000, '\x20'));

    ASSERT_TRUE(RunProbeWithoutSoundServer(folder, folder.GetPath(L"note.pcm"), folder.GetPath(L"report.txt")));

    EXPECT_EQ(ReadFileBytes(folder.GetPath(L"report.txt")),
              "reported: TSoundPlayer: unable to play sound\n"
              "shown: 1\n"
              "reported: TSoundPlayer: unable to play sound\n"
              "closed: 1\n");
}
