#include "app/Entry.h"

#include "app/requests/AddCommand.h"
#include "app/Application.h"
#include "app/instance/CloseRequest.h"
#include "app/instance/CommandLine.h"
#include "app/instance/CommandSwitch.h"
#include "app/datafolder/DataFolder.h"
#include "app/instance/GlobalMutex.h"
#include "app/requests/QuietCommand.h"
#include "store/NotificationsDb.h"
#include "store/SelfTest.h"
#include "texts/FailureText.h"
#include "texts/Help.h"
#include "texts/Texts.h"

#include <windows.h>

#include <algorithm>

namespace {

const wchar_t CloseRequestWindowTitle[] = L"brantel.Nudgely.closeRequestReceivingWindowName";
const wchar_t MutexName[] = L"brantel.Nudgely.globalMutex";
// A "/add" run holds the mutex for a moment while it stores with no instance running, for a few
// seconds at most while another program holds the data file.
const DWORD AddRunMutexMilliseconds = 5000;

// Waits for the mutex only while no instance shows its window: another instance reports at once.
DWORD GetMutexWait() { return FindWindowW(nullptr, CloseRequestWindowTitle) ? 0 : AddRunMutexMilliseconds; }

int RunInstance() {
    try {
        TGlobalMutex mutex(MutexName, GetMutexWait());
        const TDataPaths paths = GetDataPaths();
        PrepareDataFolder(paths);
        TNotificationsDb store(paths.Store, paths.Folder);
        RunApplication(store, paths, CloseRequestWindowTitle);
        CloseHelpViewer();
        return 0;
    } catch (const TGlobalMutex::TException&) {
        MessageBoxW(nullptr, LoadText(IDS_ALREADY_RUNNING).c_str(), LoadText(IDS_MESSAGE_TITLE).c_str(), MB_OK);
        return 1;
    } catch (const std::exception& failure) {
        // Failures of the handlers are reported inside the message loop; what arrives here
        // broke the building of the instance, and it cannot run without it.
        MessageBoxW(nullptr, DescribeFailure(failure.what()).c_str(), L"Nudgely", MB_OK | MB_ICONERROR);
        return 1;
    }
}

}  // namespace

int RunNudgely() {
    const std::vector<std::wstring> arguments = ReadCommandLine();
    if (arguments.size() == 2 && arguments[1] == L"/selftest") {
        try {
            return RunSelfTest() ? 0 : 1;
        } catch (const std::exception&) {
            return 1;
        }
    }
    if (arguments.size() == 2 && arguments[1] == L"/close") {
        return SendCloseRequest(CloseRequestWindowTitle);
    }
    // Scripts write the program's own switches in any case, and with "-" too.
    const std::vector<std::wstring> words(arguments.begin() + std::min<std::size_t>(arguments.size(), 2), arguments.end());
    if (arguments.size() >= 2 && IsSwitch(arguments[1], L"add")) {
        return RunAddCommand(words, CloseRequestWindowTitle, MutexName);
    }
    if (arguments.size() >= 2 && IsSwitch(arguments[1], L"quiet")) {
        return RunQuietCommand(words, CloseRequestWindowTitle, MutexName);
    }
    return RunInstance();
}
