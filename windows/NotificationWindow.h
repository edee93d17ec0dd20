#pragma once

#include "store/CurrentDateTime.h"
#include "store/Notification.h"
#include "ui/ControlButton.h"
#include "ui/Window.h"
#include "windows/ShownReminder.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TControlTextView;
class TNotificationSoundCopy;
class TNotificationsDb;
class TSoundPlayer;

// Tells the user that a reminder has fallen due: shows its text and plays its voice note. Its line
// stays in the data file while it is on screen; closing, snoozing or choosing a time acts on that
// line (see TShownReminder). One reminder at a time; between reminders the window is hidden and
// holds nothing of the last one.
class TNotificationWindow {
public:
    using TClock = std::function<TDateTimeText()>;
    // Stores the reminder the user chose in place of the one on screen.
    using TChosenHandler = std::function<void(const TNotification& chosen)>;
    // Lets the user choose a time for the reminder on screen, starting from the suggested one
    // (its text and voice note, an hour from now); onChosen is to run with what the user saves.
    using TTimeChooser = std::function<void(const TNotification& suggested, TChosenHandler onChosen)>;

    // The clock tells the moment of a click.
    TNotificationWindow(TDialogWindowList& dialogWindows, TNotificationsDb& store, TClock clock = GetCurrentDateTime);
    ~TNotificationWindow();
    TNotificationWindow(const TNotificationWindow&) = delete;
    TNotificationWindow& operator=(const TNotificationWindow&) = delete;

    bool IsShowingNotification() const { return Shown != nullptr; }
    // -1 while none is on screen.
    std::int32_t GetShownId() const { return Shown ? Shown->GetRecord().Id : -1; }
    // The reminder as read from the store; it stays there until the user answers.
    void ShowNotification(const TNotification& reminder);
    // The reminder on screen was answered elsewhere (closed, snoozed, edited or deleted on another
    // PC, in the list, by hand): the window goes, and nothing is done for it.
    void WithdrawIfAnsweredElsewhere();
    void SetOnChooseTime(TTimeChooser chooser) { OnChooseTime = std::move(chooser); }
    // The session ends and the process with it, before any destructor runs: the sound stops at
    // once and the note copy goes. The reminder's line is still in the data file, and the next
    // start shows it again.
    void EndSession();

private:
    void Snooze(const TDurationText& step, int stepCount);
    void OpenSnoozeMenu();
    void ChooseTime();
    void Close();
    void Dismiss();
    void ForgetShownReminder();
    void ReplaySound();
    void LayOut();
    TSize PlaceText(int centre, int top, TSize room);

    TNotificationsDb& Store;
    TClock Clock;
    TWindow Window;
    std::unique_ptr<TShownReminder> Shown;
    std::unique_ptr<TControlTextView> TextView;
    // Null when the shown reminder has no voice note.
    std::unique_ptr<TNotificationSoundCopy> SoundCopy;
    TControlButton Snooze5MinutesButton;
    TControlButton Snooze1HourButton;
    TControlButton Snooze1DayButton;
    TControlButton SnoozeChoiceButton;
    std::unique_ptr<TControlButton> ReplaySoundButton;
    TControlButton CloseButton;
    TSize WantedSize{100, 100};
    TTimeChooser OnChooseTime;
    // Counts the reminders shown, so that a time chosen for one dismisses no later one.
    int ShownCount = 0;
    // Declared after the sound copy, so that it lets go of the file before the copy goes.
    std::unique_ptr<TSoundPlayer> Player;
};
