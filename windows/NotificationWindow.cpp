#include "windows/NotificationWindow.h"

#include "sound/SoundPlayer.h"
#include "store/NotificationsDb.h"
#include "texts/Texts.h"
#include "ui/ControlTextView.h"
#include "ui/Dpi.h"
#include "ui/HandlerFailure.h"
#include "windows/NotificationSoundCopy.h"
#include "windows/SnoozeMenu.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Controls made for each reminder come after the permanent ones; the keyboard's Tab and screen
// readers still meet them first, in the order in which they stand on the window.
void PutFirstInTabOrder(HWND control) {
    SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

TNotificationWindow::TNotificationWindow(TDialogWindowList& dialogWindows, TNotificationsDb& store, TClock clock)
    : Store(store),
      Clock(std::move(clock)),
      Window(LoadText(IDS_NOTIFICATION_TITLE), false, &dialogWindows),
      Snooze5MinutesButton(Window, LoadText(IDS_NOTIFICATION_SNOOZE_5_MINUTES), false),
      Snooze1HourButton(Window, LoadText(IDS_NOTIFICATION_SNOOZE_1_HOUR), false),
      Snooze1DayButton(Window, LoadText(IDS_NOTIFICATION_SNOOZE_1_DAY), false),
      SnoozeChoiceButton(Window, LoadText(IDS_NOTIFICATION_SNOOZE_CHOICE), false),
      CloseButton(Window, LoadText(IDS_NOTIFICATION_CLOSE), true) {
    Snooze5MinutesButton.SetOnClick([this] { Snooze("00:05:00", 1); });
    Snooze1HourButton.SetOnClick([this] { Snooze("01:00:00", 1); });
    Snooze1DayButton.SetOnClick([this] { Snooze("12:00:00", 2); });
    SnoozeChoiceButton.SetOnClick([this] { OpenSnoozeMenu(); });
    CloseButton.SetOnClick([this] { Close(); });
    Window.SetOnClose([this] { Close(); });
    Window.SetOnSize([this] { LayOut(); });
    Window.SetOnFontChange([this] {
        if (IsShowingNotification()) {
            Window.Move(Window.GetPosition(), WantedSize);
        }
    });
}

TNotificationWindow::~TNotificationWindow() = default;

void TNotificationWindow::ShowNotification(const TNotification& reminder) {
    ForgetShownReminder();
    Shown.reset(new TShownReminder(Store, reminder));
    ++ShownCount;
    // Minimized, it has no client area to lay the text out in, and the size it is given now
    // would not be its size once restored.
    if (IsIconic(Window.GetHandle())) {
        ShowWindow(Window.GetHandle(), SW_SHOWNOACTIVATE);
    }
    TextView.reset(new TControlTextView(Window, reminder.Text.empty() ? LoadText(IDS_NO_TEXT) : reminder.Text));
    TextView->SetAccessibleName(LoadText(IDS_NOTIFICATION_TEXT_NAME));
    PutFirstInTabOrder(TextView->GetHandle());
    if (!reminder.SoundFile.empty()) {
        SoundCopy.reset(new TNotificationSoundCopy(reminder.SoundFile));
        ReplaySoundButton.reset(new TControlButton(Window, LoadText(IDS_NOTIFICATION_REPLAY_SOUND), false));
        ReplaySoundButton->SetOnClick([this] { ReplaySound(); });
        PutFirstInTabOrder(ReplaySoundButton->GetHandle());
    }
    LayOut();
    Window.Move(Window.GetPosition(), WantedSize);
    Window.ShowInFrontWithoutActivating();
    TextView->Announce();
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
    if (!Shown) {
        return;
    }
    const TDateTimeText now = Clock();
    TDateTimeText due = now;
    for (int i = 0; i < stepCount; ++i) {
        due = AddDuration(due, step);
    }
    Shown->Snooze(due, now);
    Dismiss();
}

// The menu runs a loop of its own, in which the reminder may go (the session ends, the user closes
// it from the taskbar).
void TNotificationWindow::OpenSnoozeMenu() {
    const int shownCount = ShownCount;
    const TSnoozeChoice* choice = ChooseSnooze(SnoozeChoiceButton.GetHandle());
    if (!choice || !IsShowingNotification() || ShownCount != shownCount) {
        return;
    }
    if (choice->Step.empty()) {
        ChooseTime();
    } else {
        Snooze(choice->Step, choice->StepCount);
    }
}

// The reminder stays on screen until the chosen time is stored; cancelling the choice leaves it.
// The choice acts on the reminder as it was shown when the user chose, even when the window has
// gone on to another one meanwhile.
void TNotificationWindow::ChooseTime() {
    if (!OnChooseTime) {
        return;
    }
    TNotification suggested(AddDuration(Clock(), "01:00:00"), Shown->GetRecord().Text);
    if (SoundCopy) {
        suggested.SoundFile = SoundCopy->GetPath();
    }
    const int shownCount = ShownCount;
    OnChooseTime(suggested, [this, shownCount, shown = *Shown](const TNotification& chosen) {
        shown.ReplaceBy(chosen, Clock());
        if (ShownCount == shownCount && IsShowingNotification()) {
            Dismiss();
        }
    });
}

// A failure to change the file leaves the reminder on screen, to be closed again.
void TNotificationWindow::Close() {
    if (Shown) {
        Shown->Close(Clock());
    }
    Dismiss();
}

void TNotificationWindow::WithdrawIfAnsweredElsewhere() {
    if (Shown && !Shown->IsStillStored()) {
        Dismiss();
    }
}

void TNotificationWindow::EndSession() {
    if (Player) {
        Player->StopAtOnce();
    }
    Dismiss();
}

void TNotificationWindow::Dismiss() {
    Window.Hide();
    ForgetShownReminder();
}

void TNotificationWindow::ForgetShownReminder() {
    Shown.reset();
    TextView.reset();
    Player.reset();
    ReplaySoundButton.reset();
    SoundCopy.reset();
}

void TNotificationWindow::ReplaySound() {
    // The old playback stops as soon as the new one has started.
    Player.reset(new TSoundPlayer(SoundCopy->GetPath()));
}

// The window never reaches past its monitor's work area: the text wraps at half the work area's
// width, and when even the wrapped text is too tall, it scrolls.
void TNotificationWindow::LayOut() {
    if (!TextView) {
        return;
    }
    const int margin = Window.ScaleForDpi(5);
    const TSize outer = Window.GetSize();
    const TSize client = Window.GetClientSize();
    const int centre = client.width / 2;
    const RECT work = GetWorkAreaOf(Window.GetHandle());
    int width = 0;
    int y = margin;
    if (ReplaySoundButton) {
        const TSize button = ReplaySoundButton->GetPreferredSize();
        ReplaySoundButton->Move(TPoint{centre - button.width / 2, margin}, button);
        width = 2 * button.width + 2 * margin;
        y = margin + button.height + margin;
    }

    const std::initializer_list<TControlButton*> snoozes{&Snooze5MinutesButton, &Snooze1HourButton, &Snooze1DayButton,
                                                         &SnoozeChoiceButton};
    int snoozeRowHeight = 0;
    for (TControlButton* snooze : snoozes) {
        snoozeRowHeight = std::max(snoozeRowHeight, snooze->GetPreferredSize().height);
    }
    const TSize close = CloseButton.GetPreferredSize();
    const int belowText = margin + snoozeRowHeight + margin + close.height + margin;
    const int textRoom = (work.bottom - work.top) - (outer.height - client.height) - y - belowText;
    const TSize text = PlaceText(centre, y, TSize{(work.right - work.left) / 2, textRoom});
    y += text.height + margin;
    width = std::max(width, text.width + 2 * margin);

    int x = margin;
    for (TControlButton* snooze : snoozes) {
        const TSize button = snooze->GetPreferredSize();
        snooze->Move(TPoint{x, y}, button);
        x += button.width + margin;
    }
    y += snoozeRowHeight + margin;
    width = std::max(width, x);

    CloseButton.Move(TPoint{centre - close.width / 2, y}, close);
    y += close.height + margin;
    width = std::max(width, close.width + 2 * margin);

    WantedSize = TSize{width + outer.width - client.width, y + outer.height - client.height};
}

// Places the text centred at that top, its lines no wider and the whole no taller than the room
// (a scroll bar then takes the rest); gives the size it took.
TSize TNotificationWindow::PlaceText(int centre, int top, TSize room) {
    TSize text = TextView->GetPreferredSize(room.width);
    if (text.height > room.height) {
        text.height = std::max(room.height, Window.ScaleForDpi(20));
        text.width += TextView->GetScrollBarWidth();
    }
    TextView->Move(TPoint{centre - text.width / 2, top}, text);
    return text;
}
