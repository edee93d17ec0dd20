#include "app/DueReminderCheck.h"

#include "store/DateTimeText.h"
#include "store/NotificationsDb.h"
#include "store/RepeatRule.h"
#include "ui/HandlerFailure.h"
#include "windows/NotificationWindow.h"

#include <algorithm>

TDueReminderCheck::TDueReminderCheck(TNotificationWindow& window, TNotificationsDb& store, TClock clock,
                                     THoldQuestion isHeld)
    : Window(window), Store(store), Clock(std::move(clock)), IsHeld(std::move(isHeld)) {}

void TDueReminderCheck::Run() {
    try {
        Store.FollowOutsideChanges();
        GoOnAfterKept();
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
    if (!Store.IsNotificationHappening(now)) {
        return;
    }
    const TNotification due = FindDueReminder(now);
    if (due.Date.empty() || (IsHeld && IsHeld())) {
        return;
    }
    Window.ShowNotification(due.SoundFile, due.Text);
    // Showing it can run a modal loop (the report of a note that cannot play) in which the user may
    // still edit or delete it, or add one due earlier: only the shown one, as shown, goes on.
    if (Store.GetNotification(due.Id) == due) {
        ShownAndKept.emplace_back(due, now);
        GoOnAfter(due, now);
        ShownAndKept.pop_back();
    }
}

// The earliest, unless it was shown already and kept: then the first due that was not.
TNotification TDueReminderCheck::FindDueReminder(const TDateTimeText& now) const {
    if (ShownAndKept.empty()) {
        return Store.GetEarliestNotification();
    }
    for (TNotificationsDb::TIterator it = Store.Begin(); it.IsValid() && !(now < it.Current().Date); it.Next()) {
        const std::int32_t id = it.Current().Id;
        if (std::none_of(ShownAndKept.begin(), ShownAndKept.end(), [id](const auto& shown) { return shown.first.Id == id; })) {
            return Store.GetNotification(id);
        }
    }
    return TNotification();
}

// Stops at the first that still fails; the failure was told when it first happened.
void TDueReminderCheck::GoOnAfterKept() {
    while (!ShownAndKept.empty()) {
        const auto& shown = ShownAndKept.front();
        // Its voice note may be found elsewhere now that the folder is back.
        const TNotification stored = Store.GetNotification(shown.first.Id);
        if (stored.Date == shown.first.Date && stored.Repeat == shown.first.Repeat && stored.Text == shown.first.Text) {
            try {
                GoOnAfter(shown.first, shown.second);
            } catch (const std::exception&) {
                return;
            }
        }
        ShownAndKept.erase(ShownAndKept.begin());
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
