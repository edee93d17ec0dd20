#include "app/requests/QuietCommand.h"

#include "app/instance/ConsoleLine.h"
#include "app/datafolder/DataFolder.h"
#include "app/hold/HoldLine.h"
#include "app/instance/InstanceHandOver.h"
#include "app/requests/QuietRequest.h"
#include "app/settings/SettingsFile.h"
#include "store/CurrentDateTime.h"
#include "texts/Texts.h"

namespace {

// The next start reads it from there.
void WriteWithoutInstance(const TQuietTime& quiet) {
    const TDataPaths paths = GetDataPaths();
    PrepareDataFolder(paths);
    TSettingsFile file(paths.Settings);
    TSettings settings = file.Get();
    settings.Quiet = quiet;
    file.Change(settings);
}

}  // namespace

int RunQuietCommand(const std::vector<std::wstring>& words, const std::wstring& closeRequestWindowTitle,
                    const std::wstring& mutexName) {
    TQuietRequest request;
    if (words.size() != 1 || !ReadQuietArgument(words[0], request)) {
        WriteConsoleLine(LoadText(IDS_QUIET_USAGE));
        return ExitMalformed;
    }
    const TDateTimeText now = GetCurrentDateTime();
    const TQuietTime quiet = request.Apply(now);
    TDelivery delivery = TDelivery::Refused;
    try {
        delivery = Deliver(closeRequestWindowTitle, mutexName, QuietRequestTag, FormatQuietRequest(request),
                           [&quiet] { WriteWithoutInstance(quiet); });
    } catch (const TSettingsFile::TException&) {
    }
    // The instance refuses a request of this program's own making only when it cannot write it.
    if (delivery != TDelivery::Taken) {
        ReportNotTaken(delivery, LoadText(IDS_QUIET_NOT_TAKEN) + L" " + LoadText(IDS_FAILURE_WRITE_SETTINGS));
        return ExitNotDone;
    }
    WriteConsoleLine(DescribeQuiet(quiet, now));
    return ExitDone;
}
