#include "windows/ShownReminder.h"

#include "store/NotificationsDb.h"
#include "store/RepeatRule.h"

bool TShownReminder::IsStillStored() const { return Store->GetNotification(Record.Id) == Record; }

void TShownReminder::Close(const TDateTimeText& now) const {
    if (!IsStillStored()) {
        return;
    }
    std::string rule;
    const TDateTimeText next = FindNextOccurrence(now, rule);
    if (next.empty()) {
        Store->DeleteNotification(Record.Id);
    } else {
        Store->RescheduleNotification(Record.Id, next, rule);
    }
}

// A one-off keeps its line, its ID and its note file, in one change of the file. A series' snooze
// is stored before the series moves on: an end between the two changes leaves one reminder too
// many, never one too few.
void TShownReminder::Snooze(const TDateTimeText& due, const TDateTimeText& now) const {
    if (!IsStillStored()) {
        return;
    }
    std::string rule;
    const TDateTimeText next = FindNextOccurrence(now, rule);
    if (next.empty()) {
        Store->RescheduleNotification(Record.Id, due, std::string());
        return;
    }
    TNotification snoozed(due, Record.Text);
    snoozed.SoundFile = Record.SoundFile;
    Store->AddNotification(snoozed);
    Store->RescheduleNotification(Record.Id, next, rule);
}

void TShownReminder::ReplaceBy(const TNotification& chosen, const TDateTimeText& now) const {
    if (!IsStillStored()) {
        Store->AddNotification(chosen);
        return;
    }
    std::string rule;
    const TDateTimeText next = FindNextOccurrence(now, rule);
    if (next.empty()) {
        Store->ReplaceNotification(Record.Id, chosen);
        return;
    }
    Store->AddNotification(chosen);
    Store->RescheduleNotification(Record.Id, next, rule);
}

// The series goes on from its first occurrence after now, so that the occurrences missed while
// the computer was off, or while the reminder was on screen, are shown once, not once each. A
// one-off, a rule this version cannot read, and a series that would pass the last year have none.
TDateTimeText TShownReminder::FindNextOccurrence(const TDateTimeText& now, std::string& rule) const {
    TRepeatRule parsed;
    if (!ParseRepeatRule(Record.Repeat, parsed)) {
        return TDateTimeText();
    }
    const TDateTimeText next = GetNextOccurrence(Record.Date, parsed, now);
    rule = FormatRepeatRule(parsed);
    return next;
}
