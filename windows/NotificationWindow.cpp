#include "windows/NotificationWindow.h"

#include "sound/SoundPlayer.h"
#include "store/NotificationsDb.h"
#include "ui/ControlText.h"
#include "ui/HandlerFailure.h"
#include "windows/NotificationSoundCopy.h"

#include <algorithm>
#include <initializer_list>

TNotificationWindow::TNotificationWindow(TDialogWindowList& dialogWindows, TNotificationsDb& store, TClock clock)
    : Store(store),
      Clock(std::move(clock)),
      Window(L"Notification", false, &dialogWindows),
      Snooze5MinutesButton(Window, L"Snooze 5 min", false),
      Snooze1HourButton(Window, L"Snooze 1 hour", false),
      Snooze1DayButton(Window, L"Snooze 1 day", false),
      CloseButton(Window, L"Close", true) {
    Snooze5MinutesButton.SetOnClick([this] { Snooze("00:05:00", 1); });
    Snooze1HourButton.SetOnClick([this] { Snooze("01:00:00", 1); });
    Snooze1DayButton.SetOnClick([this] { Snooze("12:00:00", 2); });
    CloseButton.SetOnClick([this] { Dismiss(); });
    Window.SetOnClose([this] { Dismiss(); });
    Window.SetOnSize([this] { LayOut(); });
}

TNotificationWindow::~TNotificationWindow() = default;

void TNotificationWindow::ShowNotification(const std::wstring& soundFilePath, const std::wstring& text) {
    ForgetShownReminder();
    TextLabel.reset(new TControlText(Window, text.empty() ? L"<no text>" : text, Window.GetBackgroundColor()));
    Text = text;
    if (!soundFilePath.empty()) {
        SoundCopy.reset(new TNotificationSoundCopy(soundFilePath));
        ReplaySoundButton.reset(new TControlButton(Window, L"Replay sound", false));
        ReplaySoundButton->SetOnClick([this] { ReplaySound(); });
    }
    LayOut();
    Window.Move(Window.GetPosition(), WantedSize);
    Window.ShowInFrontWithoutActivating();
    if (SoundCopy) {
        // The text is what matters: a missing sound device is reported, but the reminder stays
        // on screen instead of being held back for good.
        try {
            Player.reset(new TSoundPlayer(SoundCopy->GetPath()));
        } catch (const TSoundPlayer::TException& failure) {
            ReportHandlerFailure(failure.what());
        }
    }
}

// The new due time counts from the click, not from the old due time.
void TNotificationWindow::Snooze(const TDurationText& step, int stepCount) {
    TDateTimeText due = Clock();
    for (int i = 0; i < stepCount; ++i) {
        due = AddDuration(due, step);
    }
    StoreShownReminder(due);
    Dismiss();
}

void TNotificationWindow::EndSession() {
    if (!IsShowingNotification()) {
        return;
    }
    // No one is left to read a report of a store that failed, and the copy must go all the same.
    try {
        StoreShownReminder(Clock());
    } catch (const std::exception&) {
    }
    Dismiss();
}

void TNotificationWindow::StoreShownReminder(const TDateTimeText& due) {
    TNotification shown(due, Text);
    if (SoundCopy) {
        shown.SoundFile = SoundCopy->GetPath();
    }
    Store.AddNotification(shown);
}

void TNotificationWindow::Dismiss() {
    Window.Hide();
    ForgetShownReminder();
}

void TNotificationWindow::ForgetShownReminder() {
    TextLabel.reset();
    Player.reset();
    ReplaySoundButton.reset();
    SoundCopy.reset();
}

void TNotificationWindow::ReplaySound() {
    // The old playback stops as soon as the new one has started.
    Player.reset(new TSoundPlayer(SoundCopy->GetPath()));
}

void TNotificationWindow::LayOut() {
    if (!TextLabel) {
        return;
    }
    const int centre = Window.GetClientSize().width / 2;
    int width = 0;
    int y = 5;
    if (ReplaySoundButton) {
        const TSize button = ReplaySoundButton->GetPreferredSize();
        ReplaySoundButton->Move(TPoint{centre - button.width / 2, 5}, button);
        width = std::max(0, 2 * button.width + 10);
        y = 5 + button.height + 5;
    }
    const TSize label = TextLabel->GetPreferredSize();
    TextLabel->Move(TPoint{centre - label.width / 2, y}, label);
    y += label.height + 5;
    width = std::max(width, label.width + 10);

    int x = 5;
    int rowHeight = 0;
    for (TControlButton* snooze : {&Snooze5MinutesButton, &Snooze1HourButton, &Snooze1DayButton}) {
        const TSize button = snooze->GetPreferredSize();
        snooze->Move(TPoint{x, y}, button);
        x += button.width + 5;
        rowHeight = std::max(rowHeight, button.height);
    }
    y += rowHeight + 5;
    width = std::max(width, x);

    const TSize close = CloseButton.GetPreferredSize();
    CloseButton.Move(TPoint{centre - close.width / 2, y}, close);
    y += close.height + 5;
    width = std::max(width, close.width + 10);

    const TSize outer = Window.GetSize();
    const TSize client = Window.GetClientSize();
    WantedSize = TSize{width + outer.width - client.width, y + outer.height - client.height};
}
