#pragma once

#include "sound/SoundPlayer.h"
#include "sound/SoundRecorder.h"
#include "store/NotificationsDb.h"
#include "store/TemporaryFolder.h"
#include "ui/ControlButton.h"
#include "ui/ControlCancelHandler.h"
#include "ui/ControlDatePicker.h"
#include "ui/ControlEdit.h"
#include "ui/ControlLabel.h"
#include "ui/ControlRadioButtons.h"
#include "ui/ControlTimePicker.h"
#include "ui/ControlTwoStateButton.h"
#include "ui/Window.h"
#include "windows/RepeatChoice.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// Where the user creates a reminder or changes one: a due time, fixed or counted down from the
// moment of saving, a text and a voice note recorded while "Record sound" is held. Built once,
// hidden, and reused. The note under edit lives in a file of the window's own; the store sees
// only the copy that "Save" hands it.
class TNotificationEditorWindow {
public:
    TNotificationEditorWindow(TNotificationsDb& db, TDialogWindowList& dialogWindows, const std::wstring& helpFilePath);
    ~TNotificationEditorWindow();
    TNotificationEditorWindow(const TNotificationEditorWindow&) = delete;
    TNotificationEditorWindow& operator=(const TNotificationEditorWindow&) = delete;

    // -1 opens it for a new reminder. A reminder that is no longer stored shows nothing.
    void ShowEditor(std::int32_t id);
    // Stores what the user saved in place of the editor; its voice note is the editor's own file.
    using TSaveHandler = std::function<void(const TNotification& saved)>;

    // Opens it for a new reminder filled with the suggested one's fixed time, text and voice note;
    // save stores the reminder once the user has saved it, and never for a later opening.
    void ShowEditorFor(const TNotification& suggested, TSaveHandler save);
    // The session ends and the process with it, before any destructor runs: the sound devices
    // stop at once, a recording in progress is dropped, and the temporary folder goes.
    void EndSession();

private:
    void LayOut();
    void Save();
    void ApplyRepeatRule(TNotification& edited) const;
    void Close();
    void StartRecording();
    void StopRecording();
    void Replay();
    void RemoveSound();
    void StopSoundDevices();
    void TakeSound(const std::wstring& soundFile);
    void UpdateSoundButtons();
    void UpdateEnabledPickers();
    void ShowDueTime(const TDateTimeText& due);
    void ShowNew(const TNotification& filled);
    void Present(const TNotification& shown, int title);
    TDateTimeText ReadDueTime() const;

    // The controls in the order of the keyboard's Tab; a label just before the field it names.
    TWindow Window;
    TControlRadioButtons ModeSelector;
    TControlDatePicker DatePicker;
    TControlTimePicker FixedTimePicker;
    TControlTimePicker CountdownPicker;
    TControlLabel TextLabel;
    TControlEdit TextBox;
    TRepeatChoice RepeatChoice;
    TControlTwoStateButton RecordSoundButton;
    TControlButton ReplayButton;
    TControlButton RemoveSoundButton;
    TControlButton SaveButton;
    TControlButton CancelButton;
    TControlButton HelpButton;
    TControlCancelHandler CancelHandler;
    TSize WantedSize{-1, -1};
    std::int32_t EditedId = -1;
    // The edited reminder as it was loaded: its ID may have been given to another reminder by
    // the time the user saves, if the scheduler took it off meanwhile.
    TNotification EditedNotification;
    TSaveHandler OnSave;
    TNotificationsDb& Db;
    const std::wstring& HelpFilePath;
    std::unique_ptr<TSoundRecorder> Recorder;
    std::unique_ptr<TSoundPlayer> Player;
    TTemporaryFolder TemporaryFolder;
    std::wstring TemporarySoundPath;
};
