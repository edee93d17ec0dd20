#pragma once

#include "store/CurrentDateTime.h"
#include "store/NotificationsDb.h"

#include <functional>
#include <string>

// What the tray icon's tooltip tells, within the shell's 127 characters: "Nudgely"; on a second
// line the earliest reminder's due time and as much of its text as fits, or that there is none;
// on a third, how many reminders wait when more than one is due. While reminders are held, the
// hold line comes after the name, and the count tells of one waiting too. Gives the due time of
// the next reminder to fall due after now, or nothing.
std::wstring ComposeTrayTooltip(const TNotificationsDb& store, const TDateTimeText& now, const std::wstring& holdLine,
                                TDateTimeText& nextDue);

// Keeps the tooltip current: shown at once, after every change of the store, and when time makes
// it say something else: another reminder falls due (while one is on screen too, when several
// wait), or a new day begins. While another program holds the data file as the program starts,
// the tooltip says nothing of reminders until the file is read.
class TTrayTooltip {
public:
    using TShow = std::function<void(const std::wstring& tooltip)>;
    using TClock = std::function<TDateTimeText()>;
    // Why reminders are held; empty while they are not.
    using THoldLine = std::function<std::wstring()>;

    TTrayTooltip(TNotificationsDb& store, TShow show, TClock clock = GetCurrentDateTime, THoldLine holdLine = nullptr);

    // For a change the store does not see: a hold that begins or ends.
    void Update();

    // At every scheduler tick; reads only the store's memory.
    void FollowTime();

private:
    const TNotificationsDb& Store;
    TShow Show;
    TClock Clock;
    THoldLine HoldLine;
    TDateTimeText ComposedAt;
    TDateTimeText NextDue;
    TNotificationsDb::TWatcher Watcher;
};
