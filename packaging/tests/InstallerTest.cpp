// Runs the real setup program silently, as an administrator deploying it or a user upgrading
// would, then the installed program and the uninstaller, and looks at what each leaves behind.
#include "packaging/tests/VersionResource.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ProgramFiles.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

const wchar_t UninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Nudgely";
const wchar_t CloseRequestTitle[] = L"brantel.Nudgely.closeRequestReceivingWindowName";
const char Reminder[] = "2031.01.02 10:00:00||water the plants\r\n";

fs::path UserFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

fs::path InstallFolder() { return UserFolder(CSIDL_LOCAL_APPDATA) / L"Programs" / L"Nudgely"; }
fs::path InstalledProgram() { return InstallFolder() / L"nudgely.exe"; }
fs::path StartMenuShortcut() { return UserFolder(CSIDL_PROGRAMS) / L"Nudgely.lnk"; }
fs::path StartupShortcut() { return UserFolder(CSIDL_STARTUP) / L"Nudgely.lnk"; }

bool UninstallEntryExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, UninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::wstring ReadUninstallText(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, UninstallKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return L"<missing>";
    }
    return value;
}

DWORD ReadUninstallNumber(const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    RegGetValueW(HKEY_CURRENT_USER, UninstallKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

fs::path ReadShortcutTarget(const fs::path& shortcut) {
    wchar_t target[MAX_PATH] = {};
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            if (SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ))) {
                link->GetPath(target, MAX_PATH, nullptr, 0);
            }
            file->Release();
        }
        link->Release();
    }
    return target;
}

bool SamePath(const fs::path& left, const fs::path& right) {
    std::error_code error;
    return fs::equivalent(left, right, error);
}

DWORD RunToEnd(const std::wstring& commandLine) {
    TChildProcess run(commandLine);
    DWORD exitCode = 12345;
    EXPECT_TRUE(run.WaitForExit(60000, exitCode)) << "still running: " << fs::path(commandLine);
    return exitCode;
}

HWND WaitForCloseRequestWindow() {
    for (int i = 0; i < 500; ++i) {
        if (HWND window = FindWindowW(nullptr, CloseRequestTitle)) {
            return window;
        }
        Sleep(20);
    }
    return nullptr;
}

DWORD Install() { return RunToEnd(Quote(NUDGELY_SETUP_PATH) + L" /S"); }

// A setup's uninstaller copies itself elsewhere and returns at once, so that it can delete its
// own file; run from a copy and told where the installation is, it runs in place and is waited for.
DWORD Uninstall() {
    std::wstring uninstaller = ReadUninstallText(L"UninstallString");
    if (uninstaller.size() > 2 && uninstaller.front() == L'"' && uninstaller.back() == L'"') {
        uninstaller = uninstaller.substr(1, uninstaller.size() - 2);
    }
    const fs::path copy = fs::temp_directory_path() / L"nudgely-uninstaller-copy.exe";
    std::error_code error;
    fs::copy_file(uninstaller, copy, fs::copy_options::overwrite_existing, error);
    if (error) {
        ADD_FAILURE() << "no uninstaller at " << fs::path(uninstaller);
        return 12345;
    }
    const DWORD exitCode = RunToEnd(Quote(copy.wstring()) + L" /S _?=" + InstallFolder().wstring());
    fs::remove(copy, error);
    return exitCode;
}

class Installer : public ::testing::Test {
protected:
    // Wine mirrors every new shortcut as a menu entry and icons on the host's desktop. While these
    // tests run, Wine's menu builder is switched off in the prefix, so the shortcuts stay inside it.
    // Windows has no Wine key, and nothing is changed there.
    static void SetUpTestSuite() {
        HKEY wine = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Wine", 0, KEY_READ, &wine) != ERROR_SUCCESS) {
            return;
        }
        RegCloseKey(wine);
        const bool alreadySet = RegGetValueW(HKEY_CURRENT_USER, WineDllOverrides, MenuBuilder, RRF_RT_ANY, nullptr,
                                             nullptr, nullptr) == ERROR_SUCCESS;
        if (!alreadySet) {
            MenuBuilderSwitchedOff =
                RegSetKeyValueW(HKEY_CURRENT_USER, WineDllOverrides, MenuBuilder, REG_SZ, L"", sizeof(wchar_t)) ==
                ERROR_SUCCESS;
        }
    }

    static void TearDownTestSuite() {
        if (MenuBuilderSwitchedOff) {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, WineDllOverrides, MenuBuilder);
        }
    }

    void SetUp() override {
        CoInitialize(nullptr);
        ASSERT_EQ(FindWindowW(nullptr, CloseRequestTitle), nullptr) << "an instance is already running";
        RemoveInstallation();
    }

    // Leaves the system as it found it: other tests share the user, and an entry left in the
    // Startup folder would start the program with the next session.
    void TearDown() override {
        if (HWND window = FindWindowW(nullptr, CloseRequestTitle)) {
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
        RemoveInstallation();
        CoUninitialize();
    }

    static void RemoveInstallation() {
        if (UninstallEntryExists()) {
            Uninstall();
        }
        std::error_code ignored;
        fs::remove_all(InstallFolder(), ignored);
        fs::remove_all(GetDataFolder(), ignored);
    }

    static constexpr const wchar_t* WineDllOverrides = L"Software\\Wine\\DllOverrides";
    static constexpr const wchar_t* MenuBuilder = L"winemenubuilder.exe";
    static inline bool MenuBuilderSwitchedOff = false;
};

TEST_F(Installer, SilentInstallPutsTheFilesShortcutsAndUninstallEntryInPlace) {
    ASSERT_EQ(Install(), 0u);

    EXPECT_EQ(ReadWholeFile(InstalledProgram()), ReadWholeFile(NUDGELY_EXE_PATH));
    int helpFiles = 0;
    for (const auto& built : fs::directory_iterator(fs::path(NUDGELY_HELP_PATH).parent_path())) {
        const std::wstring name = built.path().filename().wstring();
        if (name.rfind(L"Help", 0) == 0 && built.path().extension() == L".chm") {
            EXPECT_EQ(ReadWholeFile(InstallFolder() / name), ReadWholeFile(built.path())) << built.path();
            ++helpFiles;
        }
    }
    EXPECT_EQ(helpFiles, 10) << "English and nine translations";
    EXPECT_TRUE(SamePath(ReadShortcutTarget(StartMenuShortcut()), InstalledProgram()));
    EXPECT_TRUE(SamePath(ReadShortcutTarget(StartupShortcut()), InstalledProgram())) << "on by default";

    EXPECT_EQ(ReadUninstallText(L"DisplayName"), L"Nudgely");
    EXPECT_EQ(ReadUninstallText(L"DisplayVersion"), NUDGELY_VERSION);
    EXPECT_EQ(ReadUninstallText(L"Publisher"), L"brantel");
    EXPECT_TRUE(SamePath(ReadUninstallText(L"DisplayIcon"), InstalledProgram()));
    EXPECT_TRUE(SamePath(ReadUninstallText(L"InstallLocation"), InstallFolder()));
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(InstallFolder())) {
        bytes += entry.file_size();
    }
    EXPECT_EQ(ReadUninstallNumber(L"EstimatedSize"), bytes / 1024) << "kilobytes of the installed files";

    EXPECT_EQ(FindWindowW(nullptr, CloseRequestTitle), nullptr) << "a silent install starts nothing";
}

TEST_F(Installer, TheSetupProgramCarriesTheProjectVersion) {
    EXPECT_EQ(ReadVersionString(NUDGELY_SETUP_PATH, L"ProductName"), L"Nudgely");
    EXPECT_EQ(ReadVersionString(NUDGELY_SETUP_PATH, L"ProductVersion"), NUDGELY_VERSION);
    EXPECT_EQ(ReadFixedFileVersion(NUDGELY_SETUP_PATH), NUDGELY_VERSION_QUAD);
}

TEST_F(Installer, TheInstalledProgramStartsAndCloseEndsIt) {
    ASSERT_EQ(Install(), 0u);
    TChildProcess program(Quote(InstalledProgram().wstring()));
    HWND window = WaitForCloseRequestWindow();
    ASSERT_NE(window, nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    EXPECT_EQ(owner, program.GetId());

    EXPECT_EQ(RunToEnd(Quote(InstalledProgram().wstring()) + L" /close"), 0u);
    DWORD exitCode = 12345;
    ASSERT_TRUE(program.WaitForExit(2500, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(Installer, InstallingOverARunningCopyEndsThatCopyFirst) {
    ASSERT_EQ(Install(), 0u);
    TChildProcess running(Quote(InstalledProgram().wstring()));
    ASSERT_NE(WaitForCloseRequestWindow(), nullptr);

    EXPECT_EQ(Install(), 0u);
    DWORD exitCode = 12345;
    ASSERT_TRUE(running.WaitForExit(0, exitCode)) << "the setup returned while the old copy still ran";
    EXPECT_EQ(exitCode, 0u) << "ended by its close request, not killed";
    EXPECT_EQ(ReadWholeFile(InstalledProgram()), ReadWholeFile(NUDGELY_EXE_PATH));
}

TEST_F(Installer, SilentUninstallRemovesWhatSetupPutThereAndKeepsTheReminders) {
    ASSERT_EQ(Install(), 0u);
    fs::create_directories(GetDataFolder());
    WriteWholeFile(GetDataFolder() / L"notifications", Reminder);
    TChildProcess running(Quote(InstalledProgram().wstring()));
    ASSERT_NE(WaitForCloseRequestWindow(), nullptr);

    EXPECT_EQ(Uninstall(), 0u);
    DWORD exitCode = 12345;
    ASSERT_TRUE(running.WaitForExit(0, exitCode)) << "uninstalled under a running copy";
    EXPECT_EQ(exitCode, 0u);

    EXPECT_FALSE(fs::exists(InstallFolder()));
    EXPECT_FALSE(fs::exists(StartMenuShortcut()));
    EXPECT_FALSE(fs::exists(StartupShortcut()));
    EXPECT_FALSE(UninstallEntryExists());
    EXPECT_EQ(ReadWholeFile(GetDataFolder() / L"notifications"), Reminder);
    EXPECT_TRUE(fs::exists(GetDataFolder() / L"hotkeys")) << "written by the program's first run";
}

}  // namespace
