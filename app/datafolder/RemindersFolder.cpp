#include "app/datafolder/RemindersFolder.h"

#include "app/settings/SettingsFile.h"
#include "app/datafolder/FolderPicker.h"
#include "app/datafolder/RemindersMove.h"
#include "store/FileOperations.h"
#include "store/NotificationsDb.h"
#include "store/Utf8Text.h"
#include "texts/Texts.h"
#include "texts/WideText.h"
#include "ui/HandlerFailure.h"

namespace {

int DescribeProblem(TDataFolderProblem problem) {
    switch (problem) {
    case TDataFolderProblem::Empty:
        return IDS_DATA_FOLDER_EMPTY;
    case TDataFolderProblem::Relative:
        return IDS_DATA_FOLDER_RELATIVE;
    case TDataFolderProblem::TooLong:
        return IDS_DATA_FOLDER_TOO_LONG;
    case TDataFolderProblem::NamesAFile:
        return IDS_DATA_FOLDER_NAMES_A_FILE;
    default:
        return IDS_DATA_FOLDER_CANNOT_BE_MADE;
    }
}

void Tell(const std::wstring& text) { ReportHandlerFailure(NarrowToUtf8(text)); }

}  // namespace

TRemindersFolder::TRemindersFolder(TNotificationsDb& store, TSettingsFile& settings, TDataPaths paths)
    : Store(store), Settings(settings), Paths(std::move(paths)) {
    Missing = !IsExistingFolder(Paths.RemindersFolder);
}

void TRemindersFolder::Choose() {
    if (Choosing) {
        return;
    }
    Choosing = true;
    std::wstring chosen;
    const bool picked = PickFolder(LoadText(IDS_FOLDER_PICKER_TITLE), Paths.RemindersFolder, Paths.Folder, chosen);
    Choosing = false;
    if (picked) {
        SwitchTo(chosen);
    }
}

bool TRemindersFolder::SwitchTo(const std::wstring& folder) {
    if (IsSameFolderPath(folder, Paths.RemindersFolder)) {
        return false;
    }
    const bool backToDefault = IsSameFolderPath(folder, Paths.Folder);
    const std::wstring target = backToDefault ? Paths.Folder : folder;
    try {
        const bool oldRemoved = MoveReminders(Store, target, [this, backToDefault, &target] {
            TSettings settings = Settings.Get();
            settings.DataFolder = backToDefault ? std::nullopt : std::optional<std::string>(EncodeUtf8(target));
            try {
                Settings.Change(settings);
                return true;
            } catch (const TSettingsFile::TException&) {
                return false;
            }
        });
        const std::wstring oldFolder = Paths.RemindersFolder;
        Paths = ChooseRemindersFolder(Paths, Settings.Get().DataFolder);
        Missing = false;
        if (!oldRemoved) {
            Tell(FormatText(IDS_FOLDER_OLD_NOT_REMOVED, {target, oldFolder}));
        }
    } catch (const TRemindersMoveFailure& failure) {
        ReportHandlerFailure(failure.what());
        return false;
    }
    if (OnChange) {
        OnChange();
    }
    return true;
}

void TRemindersFolder::FollowTick() {
    if (!StartTold) {
        StartTold = true;
        TellStartProblems();
    }
    FollowPresence();
}

std::wstring TRemindersFolder::DescribeAbsence() const {
    return Missing ? FormatText(IDS_TOOLTIP_FOLDER_MISSING, {Paths.RemindersFolder}) : std::wstring();
}

void TRemindersFolder::TellStartProblems() {
    if (Paths.Problem != TDataFolderProblem::None) {
        Tell(FormatText(DescribeProblem(Paths.Problem), {Paths.ChosenText, Paths.RemindersFolder}));
    }
    if (Paths.Portable && !IsFolderWritable(Paths.Folder)) {
        Tell(FormatText(IDS_PORTABLE_READ_ONLY, {Paths.Folder}));
    }
    if (Missing) {
        Tell(FormatText(IDS_FOLDER_MISSING, {Paths.RemindersFolder}));
    }
}

// The state changes before the message, whose own loop runs the ticks meanwhile.
void TRemindersFolder::FollowPresence() {
    const bool missing = !IsExistingFolder(Paths.RemindersFolder);
    if (missing == Missing) {
        return;
    }
    Missing = missing;
    if (OnChange) {
        OnChange();
    }
    if (Missing) {
        Tell(FormatText(IDS_FOLDER_MISSING, {Paths.RemindersFolder}));
    } else {
        Store.FollowOutsideChanges();
    }
}
