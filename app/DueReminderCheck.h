#pragma once

#include <string>

class TNotificationWindow;
class TNotificationsDb;

// Once per scheduler tick: while no reminder is on screen, shows the earliest stored reminder if it
// is due and takes it out of the store. At most one reminder fires per tick.
class TDueReminderCheck {
public:
    TDueReminderCheck(TNotificationWindow& window, TNotificationsDb& store);

    // Never throws: a failure is reported once and the check is tried again on the next tick.
    void Run();

private:
    void FireDueReminder();

    TNotificationWindow& Window;
    TNotificationsDb& Store;
    std::string ReportedFailure;
};
