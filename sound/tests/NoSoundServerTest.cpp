#include "ScratchFolder.h"
#include "texts/WideText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Wine's sound driver reads the server's address from the Linux environment that a Wine program
// starts with, so the probe is started from Linux with that address pointing nowhere.
std::string GetProbeUnixPath() {
    wchar_t module[MAX_PATH];
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring path = module;
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"sound_no_server_probe.exe";
    std::string unixPath;
    for (wchar_t character : path.substr(2)) {  // drive Z: is the Linux root
        unixPath += character == L'\\' ? '/' : static_cast<char>(character);
    }
    return unixPath;
}

std::string Quote(const std::wstring& windowsPath) {
    std::string quoted = "'";
    for (wchar_t character : windowsPath) {
        quoted += static_cast<char>(character);
    }
    return quoted + "'";
}

}  // namespace

// The recorder has emptied its file before it finds there is no device.
TEST(NoSoundServer, BothConstructorsThrowAndTheRecordingIsLeftEmpty) {
    TScratchFolder folder;
    const std::wstring soundPath = folder.GetWindowsPath(L"sound.pcm");
    const std::wstring reportPath = folder.GetWindowsPath(L"report.txt");
    WriteFileBytes(soundPath, TBytes(20000, 0x55));

    TLinuxCommands probe(folder, "probe",
                         "PULSE_SERVER=unix:/nonexistent/nudgely-no-sound-server wine '" + GetProbeUnixPath() + "' " +
                             Quote(soundPath) + " " + Quote(reportPath));
    ASSERT_TRUE(probe.WaitUntilFinished(30000)) << probe.DescribeOutcome();
    ASSERT_EQ(probe.DescribeOutcome(), "exit 0");

    const TBytes report = ReadFileBytes(reportPath);
    EXPECT_EQ(std::string(report.begin(), report.end()),
              "waveInOpen: 2\n"
              "waveOutOpen: 2\n"
              "recorder: threw its own exception: TSoundRecorder: unable to record sound\n"
              "player: threw its own exception: TSoundPlayer: unable to play sound\n");
    EXPECT_TRUE(FileExists(soundPath));
    EXPECT_TRUE(ReadFileBytes(soundPath).empty());
}
