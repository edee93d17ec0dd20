#include "app/DueReminderCheck.h"

#include "store/DateTimeText.h"
#include "store/NotificationsDb.h"
#include "ui/HandlerFailure.h"
#include "windows/NotificationWindow.h"

TDueReminderCheck::TDueReminderCheck(TNotificationWindow& window, TNotificationsDb& store, TClock clock)
    : Window(window), Store(store), Clock(std::move(clock)) {}

void TDueReminderCheck::Run() {
    try {
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

void TDueReminderCheck::FireDueReminder() {
    if (Window.IsShowingNotification()) {
        return;
    }
    if (!Store.IsNotificationHappening(Clock())) {
        return;
    }
    const TNotification due = Store.GetEarliestNotification();
    Window.ShowNotification(due.SoundFile, due.Text);
    Store.RemoveEarliestNotification();
}
