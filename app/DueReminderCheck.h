#pragma once

#include "store/CurrentDateTime.h"

#include <functional>
#include <string>

class TNotificationWindow;
class TNotificationsDb;

// Once per scheduler tick: while no reminder is on screen, shows the earliest stored reminder if it
// is due, leaving it in the store; the window's answer takes it out, or moves a series on. At most
// one reminder fires per tick. Before that, the store reads what other
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

    TNotificationWindow& Window;
    TNotificationsDb& Store;
    TClock Clock;
    THoldQuestion IsHeld;
    std::string ReportedFailure;
};
