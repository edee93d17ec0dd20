#include "app/QuietCommand.h"

#include "app/ConsoleLine.h"
#include "app/DataFolder.h"
#include "app/HoldLine.h"
#include "app/InstanceHandOver.h"
#include "app/QuietRequest.h"
#include "app/SettingsFile.h"
#include "store/CurrentDateTime.h"
#include "texts/Texts.h"

namespace {

// The next start reads it from there.
bool WriteWithoutInstance(const TQuietTime& quiet) {
    const TDataPaths paths = GetDataPaths();
    PrepareDataFolder(paths);
    TSettingsFile file(paths.Settings);
    TSettings settings = file.Get();
    settings.Quiet = quiet;
    return file.Change(settings);
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
    bool written = true;
    const TDelivery delivery = Deliver(closeRequestWindowTitle, mutexName, QuietRequestTag, FormatQuietRequest(request),
                                       [&quiet, &written] { written = WriteWithoutInstance(quiet); });
    if (delivery != TDelivery::Taken || !written) {
        ReportNotTaken(delivery, LoadText(IDS_QUIET_NOT_TAKEN));
        return ExitNotDone;
    }
    WriteConsoleLine(DescribeQuiet(quiet, now));
    return ExitDone;
}
