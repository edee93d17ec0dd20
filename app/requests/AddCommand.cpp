#include "app/requests/AddCommand.h"

#include "app/requests/AddArguments.h"
#include "app/requests/AddRequest.h"
#include "app/instance/ConsoleLine.h"
#include "app/datafolder/DataFolder.h"
#include "app/instance/InstanceHandOver.h"
#include "store/FileOperations.h"
#include "store/CurrentDateTime.h"
#include "store/DisplayDateTime.h"
#include "store/NotificationsDb.h"
#include "texts/FailureText.h"
#include "texts/Texts.h"

#include <windows.h>

namespace {

// Stored as a starting instance would.
void StoreWithoutInstance(const TNotification& reminder) {
    const TDataPaths paths = GetDataPaths();
    PrepareDataFolder(paths);
    TNotificationsDb store(paths.Store);
    store.AddNotification(reminder);
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
    // The running instance would refuse it just the same, with less to say.
    const TDataPaths paths = GetDataPaths();
    if (paths.RemindersFolder != paths.Folder && !IsExistingFolder(paths.RemindersFolder)) {
        WriteConsoleLine(FormatText(IDS_FAILURE_FOLDER_MISSING, {paths.RemindersFolder}));
        return ExitNotDone;
    }
    try {
        const TDelivery delivery = Deliver(closeRequestWindowTitle, mutexName, AddRequestTag, FormatAddRequest(reminder),
                                           [&reminder] { StoreWithoutInstance(reminder); });
        if (delivery != TDelivery::Taken) {
            ReportNotTaken(delivery, LoadText(IDS_ADD_NOT_TAKEN));
            return ExitNotDone;
        }
    } catch (const std::exception& failure) {
        WriteConsoleLine(JoinLines(DescribeFailure(failure.what())));
        return ExitNotDone;
    }
    const std::wstring text = reminder.Text.empty() ? LoadText(IDS_NO_TEXT) : reminder.Text;
    WriteConsoleLine(FormatText(IDS_ADD_DONE, {FormatDueTimeForDisplay(reminder.Date, now) + L" " + text}));
    return ExitDone;
}
