#include "app/DueReminderCheck.h"

#include "store/DateTimeText.h"
#include "store/NotificationsDb.h"
#include "store/RepeatRule.h"
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

void TDueReminderCheck::FireDueReminder() {
    if (Window.IsShowingNotification()) {
        return;
    }
    const TDateTimeText now = Clock();
    if (!Store.IsNotificationHappening(now) || (IsHeld && IsHeld())) {
        return;
    }
    const TNotification due = Store.GetEarliestNotification();
    Window.ShowNotification(due.SoundFile, due.Text);
    // Showing it can run a modal loop (the report of a note that cannot play) in which the user may
    // still edit or delete it, or add one due earlier: only the shown one, as shown, goes on.
    if (Store.GetNotification(due.Id) == due) {
        GoOnAfter(due, now);
    }
}

// The series goes on from its first occurrence after now, so that the occurrences missed while
// the computer was off are shown once, not once each. A rule this version cannot read, and a
// series that would pass the last year, end here.
void TDueReminderCheck::GoOnAfter(const TNotification& shown, const TDateTimeText& now) {
    TRepeatRule rule;
    if (ParseRepeatRule(shown.Repeat, rule)) {
        const TDateTimeText next = GetNextOccurrence(shown.Date, rule, now);
        if (!next.empty()) {
            Store.RescheduleNotification(shown.Id, next, FormatRepeatRule(rule));
            return;
        }
    }
    Store.DeleteNotification(shown.Id);
}
