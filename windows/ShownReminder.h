#pragma once

#include "store/DateTimeText.h"
#include "store/Notification.h"

#include <string>

class TNotificationsDb;

// The reminder on screen, as it was read from the store when it was shown. Its line stays in the
// data file while it is on screen, so that a crash or a power cut cannot lose it; the user's answer
// then acts on that line by its ID, and only while the line is still as it was shown. One edited
// or deleted meanwhile (in the list, by another program, on another PC through a synced folder)
// carries a newer word than the window's, and the answer leaves it alone.
class TShownReminder {
public:
    TShownReminder(TNotificationsDb& store, const TNotification& record) : Store(&store), Record(record) {}

    const TNotification& GetRecord() const { return Record; }
    bool IsStillStored() const;

    // A one-off reminder leaves the file; a series moves on to its first occurrence after now.
    void Close(const TDateTimeText& now) const;
    // The reminder comes back at due with its text and voice note; a series moves on as well,
    // and its snoozed occurrence comes back as a one-off beside it, with a copy of the note.
    void Snooze(const TDateTimeText& due, const TDateTimeText& now) const;
    // The user saved a reminder of their own making for this one: it takes its place, or, when
    // this one is no longer as it was shown, is stored beside whatever stands there now.
    void ReplaceBy(const TNotification& chosen, const TDateTimeText& now) const;

private:
    TDateTimeText FindNextOccurrence(const TDateTimeText& now, std::string& rule) const;

    TNotificationsDb* Store;
    TNotification Record;
};
