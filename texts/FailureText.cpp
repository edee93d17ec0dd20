#include "texts/FailureText.h"

#include "texts/Texts.h"
#include "texts/WideText.h"

namespace {

struct TKnownFailure {
    const char* MessageStart;
    int Text;
};

const TKnownFailure KnownFailures[] = {
    {"TSoundPlayer:", IDS_FAILURE_PLAY_SOUND},
    {"TSoundRecorder:", IDS_FAILURE_RECORD_SOUND},
    {"TGlobalHotKeyManager: unable to register", IDS_FAILURE_REGISTER_HOT_KEY},
    {"THotKeysConfigWindow: unable to save", IDS_FAILURE_SAVE_HOT_KEYS},
    {"TNotificationsDb: unable to read", IDS_FAILURE_READ_REMINDERS},
    {"TNotificationsDb: unable to", IDS_FAILURE_WRITE_REMINDERS},
    {"TSettingsFile: unable to write", IDS_FAILURE_WRITE_SETTINGS},
};

}  // namespace

std::wstring DescribeFailure(const std::string& message) {
    // A folder that is not there is named in the sentence itself: nothing technical to add.
    const std::string noFolder = "TNotificationsDb: no folder ";
    if (message.compare(0, noFolder.size(), noFolder) == 0) {
        return FormatText(IDS_FAILURE_FOLDER_MISSING, {WidenUtf8(message.substr(noFolder.size()))});
    }
    for (const TKnownFailure& known : KnownFailures) {
        if (message.compare(0, std::char_traits<char>::length(known.MessageStart), known.MessageStart) == 0) {
            return LoadText(known.Text) + L"\n\n(" + WidenUtf8(message) + L")";
        }
    }
    return WidenUtf8(message);
}
