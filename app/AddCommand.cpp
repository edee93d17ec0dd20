#include "app/AddCommand.h"

#include "app/AddArguments.h"
#include "app/AddRequest.h"
#include "app/ConsoleLine.h"
#include "app/DataFolder.h"
#include "app/GlobalMutex.h"
#include "store/CurrentDateTime.h"
#include "store/DisplayDateTime.h"
#include "store/NotificationsDb.h"
#include "texts/FailureText.h"
#include "texts/Texts.h"

#include <windows.h>

namespace {

const int ExitStored = 0;
const int ExitNotStored = 1;
const int ExitMalformed = 2;

// The instance may wait about two seconds for another program that holds the data file.
const DWORD HandOverMilliseconds = 10000;
// An instance that holds the mutex shows its close-request window moments after it starts.
const DWORD InstanceStartMilliseconds = 5000;
const DWORD RetryPauseMilliseconds = 50;

enum class THandOver { Stored, Refused, NoInstance };

THandOver HandOver(const std::wstring& closeRequestWindowTitle, const TNotification& reminder) {
    HWND window = FindWindowW(nullptr, closeRequestWindowTitle.c_str());
    if (!window) {
        return THandOver::NoInstance;
    }
    std::string request = FormatAddRequest(reminder);
    COPYDATASTRUCT data{AddRequestTag, static_cast<DWORD>(request.size()), &request[0]};
    DWORD_PTR answer = FALSE;
    const LRESULT delivered = SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                                  SMTO_ABORTIFHUNG, HandOverMilliseconds, &answer);
    if (delivered == 0 && !IsWindow(window)) {
        // The instance ended meanwhile.
        return THandOver::NoInstance;
    }
    return delivered != 0 && answer == TRUE ? THandOver::Stored : THandOver::Refused;
}

// Stored as a starting instance would, holding the single-instance mutex meanwhile: an instance
// that starts now waits for it, so that the data file has one writer at a time.
void StoreWithoutInstance(const std::wstring& mutexName, const TNotification& reminder) {
    TGlobalMutex mutex(mutexName);
    const TDataPaths paths = GetDataPaths();
    PrepareDataFolder(paths);
    TNotificationsDb store(paths.Store);
    store.AddNotification(reminder);
}

// Throws what storing throws. The mutex without the window is an instance that is starting, or
// another run that stores: the one shows its window soon, the other lets go.
bool Deliver(const std::wstring& closeRequestWindowTitle, const std::wstring& mutexName, const TNotification& reminder) {
    const DWORD start = GetTickCount();
    for (;;) {
        const THandOver handedOver = HandOver(closeRequestWindowTitle, reminder);
        if (handedOver != THandOver::NoInstance) {
            return handedOver == THandOver::Stored;
        }
        try {
            StoreWithoutInstance(mutexName, reminder);
            return true;
        } catch (const TGlobalMutex::TException&) {
        }
        if (GetTickCount() - start > InstanceStartMilliseconds) {
            return false;
        }
        Sleep(RetryPauseMilliseconds);
    }
}

std::wstring DescribeProblem(TAddArgumentsProblem problem, const std::vector<std::wstring>& words) {
    switch (problem) {
    case TAddArgumentsProblem::When:
        return FormatText(IDS_ADD_BAD_WHEN, {words[0]});
    case TAddArgumentsProblem::Text:
        return LoadText(IDS_ADD_BAD_TEXT);
    case TAddArgumentsProblem::Rule:
        return FormatText(IDS_ADD_BAD_RULE, {words[2]});
    default:
        return LoadText(IDS_ADD_USAGE);
    }
}

// A failure is described in paragraphs; the console gets one line.
std::wstring JoinLines(const std::wstring& text) {
    std::wstring line;
    for (const wchar_t element : text) {
        if (element != L'\n') {
            line += element;
        } else if (!line.empty() && line.back() != L' ') {
            line += L' ';
        }
    }
    return line;
}

}  // namespace

int RunAddCommand(const std::vector<std::wstring>& words, const std::wstring& closeRequestWindowTitle,
                  const std::wstring& mutexName) {
    const TDateTimeText now = GetCurrentDateTime();
    TNotification reminder;
    const TAddArgumentsProblem problem = ReadAddArguments(words, now, reminder);
    if (problem != TAddArgumentsProblem::None) {
        WriteConsoleLine(DescribeProblem(problem, words));
        return ExitMalformed;
    }
    try {
        if (!Deliver(closeRequestWindowTitle, mutexName, reminder)) {
            WriteConsoleLine(LoadText(IDS_ADD_NOT_TAKEN));
            return ExitNotStored;
        }
    } catch (const std::exception& failure) {
        WriteConsoleLine(JoinLines(DescribeFailure(failure.what())));
        return ExitNotStored;
    }
    const std::wstring text = reminder.Text.empty() ? LoadText(IDS_NO_TEXT) : reminder.Text;
    WriteConsoleLine(FormatText(IDS_ADD_DONE, {FormatDueTimeForDisplay(reminder.Date, now) + L" " + text}));
    return ExitStored;
}
