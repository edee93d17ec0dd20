#include "app/DueReminderCheck.h"

#include "store/NotificationsDb.h"
#include "ui/HandlerFailure.h"
#include "windows/NotificationWindow.h"

TDueReminderCheck::TDueReminderCheck(TNotificationWindow& window, TNotificationsDb& store, TClock clock,
                                     THoldQuestion isHeld)
    : Window(window), Store(store), Clock(std::move(clock)), IsHeld(std::move(isHeld)) {}

void TDueReminderCheck::Run() {
    try {
        Store.FollowOutsideChanges();
        FireDueReminder();
        ReportedFailure.clear();
    } catch (const std::exception& failure) {
        // A failure that lasts (a full disk) would otherwise put up a message box every second.
        if (ReportedFailure != failure.what()) {
            ReportedFailure = failure.what();
            ReportHandlerFailure(ReportedFailure);
        }
    }
}

// The one shown stays in the store until the user answers it: the check rests while it is on
// screen, a series' occurrences passing meanwhile included, and goes on to the next due reminder
// once the window is closed, here or by an answer given elsewhere.
void TDueReminderCheck::FireDueReminder() {
    if (Window.IsShowingNotification()) {
        Window.WithdrawIfAnsweredElsewhere();
        return;
    }
    if (!Store.IsNotificationHappening(Clock()) || (IsHeld && IsHeld())) {
        return;
    }
    Window.ShowNotification(Store.GetEarliestNotification());
}
