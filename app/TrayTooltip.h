#pragma once

#include "store/CurrentDateTime.h"
#include "store/NotificationsDb.h"

#include <functional>
#include <string>

// What the tray icon's tooltip tells, within the shell's 127 characters: "Nudgely"; on a second
// line the earliest reminder's due time and as much of its text as fits, or that there is none;
// on a third, how many reminders wait when more than one is due. While reminders are held, the
// hold line comes after the name, and the count tells of one waiting too.
std::wstring ComposeTrayTooltip(const TNotificationsDb& store, const TDateTimeText& now,
                                const std::wstring& holdLine = std::wstring());

// Keeps the tooltip current: shown at once and after every change of the store. Nothing else can
// make it wrong: a reminder leaves the store, or moves on, when it falls due and is shown. While
// another program holds the data file, the tooltip keeps what it said; the store reports the
// file once it is read again.
class TTrayTooltip {
public:
    using TShow = std::function<void(const std::wstring& tooltip)>;
    using TClock = std::function<TDateTimeText()>;
    // Why reminders are held; empty while they are not.
    using THoldLine = std::function<std::wstring()>;

    TTrayTooltip(TNotificationsDb& store, TShow show, TClock clock = GetCurrentDateTime, THoldLine holdLine = nullptr);

    // For a change the store does not see: a hold that begins or ends.
    void Update();

private:

    const TNotificationsDb& Store;
    TShow Show;
    TClock Clock;
    THoldLine HoldLine;
    TNotificationsDb::TWatcher Watcher;
};
