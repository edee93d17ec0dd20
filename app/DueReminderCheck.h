#pragma once

#include "store/CurrentDateTime.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "store/Notification.h"

class TNotificationWindow;
class TNotificationsDb;

// Once per scheduler tick: while no reminder is on screen, shows the earliest stored reminder if it
// is due and takes it out of the store by its ID, or moves a repeating one on to its next
// occurrence. At most one reminder fires per tick. Before that, the store reads what other
// programs changed in its file, and its watchers (the list, the tooltip) hear of it.
class TDueReminderCheck {
public:
    using TClock = std::function<TDateTimeText()>;
    // Asked only when a reminder is due: whether it must wait, left as it is in the store.
    using THoldQuestion = std::function<bool()>;

    TDueReminderCheck(TNotificationWindow& window, TNotificationsDb& store, TClock clock = GetCurrentDateTime,
                      THoldQuestion isHeld = nullptr);

    // Never throws: a failure is reported once and the check is tried again on the next tick.
    void Run();

private:
    void FireDueReminder();
    TNotification FindDueReminder(const TDateTimeText& now) const;
    void GoOnAfter(const TNotification& shown, const TDateTimeText& now);
    void GoOnAfterKept();

    TNotificationWindow& Window;
    TNotificationsDb& Store;
    TClock Clock;
    THoldQuestion IsHeld;
    std::string ReportedFailure;
    // Shown while their lines could not be changed (their folder not there): not shown again, and
    // their lines go on, as they would have then, at the first change that can be made.
    std::vector<std::pair<TNotification, TDateTimeText>> ShownAndKept;
};
