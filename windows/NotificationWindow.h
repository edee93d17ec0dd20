#pragma once

#include "store/CurrentDateTime.h"
#include "store/Notification.h"
#include "ui/ControlButton.h"
#include "ui/Window.h"

#include <functional>
#include <memory>
#include <string>

class TControlTextView;
class TNotificationSoundCopy;
class TNotificationsDb;
class TSoundPlayer;

// Tells the user that a reminder has fallen due: shows its text, plays its voice note, and puts
// it back into the store, due later, when the user snoozes it. One reminder at a time; between
// reminders the window is hidden and holds nothing of the last one but its text.
class TNotificationWindow {
public:
    using TClock = std::function<TDateTimeText()>;
    // Lets the user choose a time for the reminder on screen, starting from the suggested one
    // (its text and voice note, an hour from now); onSaved is to run once that is stored.
    using TTimeChooser = std::function<void(const TNotification& suggested, THandler onSaved)>;

    // The clock tells the moment of a snooze click.
    TNotificationWindow(TDialogWindowList& dialogWindows, TNotificationsDb& store, TClock clock = GetCurrentDateTime);
    ~TNotificationWindow();
    TNotificationWindow(const TNotificationWindow&) = delete;
    TNotificationWindow& operator=(const TNotificationWindow&) = delete;

    bool IsShowingNotification() const { return TextView != nullptr; }
    // Copies what it needs: the caller may remove the reminder and its sound file at once.
    void ShowNotification(const std::wstring& soundFilePath, const std::wstring& text);
    void SetOnChooseTime(TTimeChooser chooser) { OnChooseTime = std::move(chooser); }
    // The session ends and the process with it, before any destructor runs: the reminder on
    // screen goes back into the store, due now, so that the next start shows it again; its sound
    // stops at once and its note copy goes.
    void EndSession();

private:
    void Snooze(const TDurationText& step, int stepCount);
    void OpenSnoozeMenu();
    void ChooseTime();
    void StoreShownReminder(const TDateTimeText& due);
    void Dismiss();
    void ForgetShownReminder();
    void ReplaySound();
    void LayOut();
    TSize PlaceText(int centre, int top, TSize room);

    TNotificationsDb& Store;
    TClock Clock;
    TWindow Window;
    std::unique_ptr<TControlTextView> TextView;
    std::wstring Text;
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
