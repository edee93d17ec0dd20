#pragma once

#include "store/CurrentDateTime.h"
#include "store/NotificationsDb.h"

#include <cstdint>
#include <functional>
#include <string>

// What the tray icon's tooltip tells, within the shell's 127 characters: "Nudgely"; on a second
// line the earliest reminder's due time and as much of its text as fits, or that there is none;
// on a third, how many reminders wait when more than one is due. While reminders are held, the
// hold line comes after the name, and the count tells of one waiting too. The reminder on screen
// (shownId) is none of these: it is still in the store until the user answers it. Gives the due
// time of the next reminder to fall due after now, or nothing.
std::wstring ComposeTrayTooltip(const TNotificationsDb& store, const TDateTimeText& now, const std::wstring& holdLine,
                                std::int32_t shownId, TDateTimeText& nextDue);

// Keeps the tooltip current: shown at once, after every change of the store, and when time makes
// it say something else: another reminder falls due (while one is on screen too, when several
// wait), one comes on screen or leaves it, or a new day begins. While another program holds the data file as the program starts,
// the tooltip says nothing of reminders until the file is read.
class TTrayTooltip {
public:
    using TShow = std::function<void(const std::wstring& tooltip)>;
    using TClock = std::function<TDateTimeText()>;
    // Why reminders are held; empty while they are not.
    using THoldLine = std::function<std::wstring()>;
    // The ID of the reminder on screen, -1 while there is none.
    using TShownId = std::function<std::int32_t()>;

    TTrayTooltip(TNotificationsDb& store, TShow show, TClock clock = GetCurrentDateTime, THoldLine holdLine = nullptr,
                 TShownId shownId = nullptr);

    // For a change the store does not see: a hold that begins or ends.
    void Update();

    // At every scheduler tick, after the due check; reads only the store's memory.
    void FollowTime();

private:
    std::int32_t GetShownId() const;

    const TNotificationsDb& Store;
    TShow Show;
    TClock Clock;
    THoldLine HoldLine;
    TShownId ShownId;
    TDateTimeText ComposedAt;
    std::int32_t ComposedShownId = -1;
    TDateTimeText NextDue;
    TNotificationsDb::TWatcher Watcher;
};
