#include "app/TrayTooltip.h"

#include "store/DisplayDateTime.h"
#include "texts/Texts.h"

#include <algorithm>

namespace {

// The shell's tooltip holds 128 units with the terminating null.
const std::size_t TooltipLength = 127;
const wchar_t Ellipsis = L'\u2026';

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// A text longer than length ends in an ellipsis, never in half of a surrogate pair.
std::wstring CutToLength(const std::wstring& text, std::size_t length) {
    if (text.size() <= length) {
        return text;
    }
    if (length == 0) {
        return std::wstring();
    }
    std::size_t kept = length - 1;
    if (kept > 0 && IsHighSurrogate(text[kept - 1])) {
        --kept;
    }
    return text.substr(0, kept) + Ellipsis;
}

// The reminders are in due order: those due form the beginning, and the next to fall due follows.
long long CountDueReminders(const TNotificationsDb& store, const TDateTimeText& now, TDateTimeText& nextDue) {
    long long count = 0;
    TNotificationsDb::TIterator it = store.Begin();
    for (; it.IsValid() && !(now < it.Current().Date); it.Next()) {
        ++count;
    }
    nextDue = it.Current().Date;
    return count;
}

// The date part of a due time: the tooltip names days relative to today.
std::string GetDay(const TDateTimeText& dateTime) { return dateTime.substr(0, dateTime.find(' ')); }

}  // namespace

// The text gives way to the count of those waiting, which tells more in one line.
std::wstring ComposeTrayTooltip(const TNotificationsDb& store, const TDateTimeText& now, const std::wstring& holdLine,
                                TDateTimeText& nextDue) {
    const std::wstring name = holdLine.empty() ? L"Nudgely\n" : L"Nudgely\n" + holdLine + L"\n";
    const long long due = CountDueReminders(store, now, nextDue);
    const TNotification earliest = store.GetEarliestNotification();
    if (earliest.Date.empty()) {
        return name + LoadText(IDS_TOOLTIP_NO_REMINDERS);
    }
    const std::wstring head = name + FormatDueTimeForDisplay(earliest.Date, now) + L" ";
    // Unless held, one due reminder is on screen, or about to be.
    const long long onScreen = holdLine.empty() ? 1 : 0;
    const std::wstring tail = due > onScreen ? L"\n" + FormatCountedText(IDS_TOOLTIP_WAITING, due) : std::wstring();
    const std::wstring text = earliest.Text.empty() ? LoadText(IDS_NO_TEXT) : earliest.Text;
    const std::size_t room = TooltipLength - std::min(TooltipLength, head.size() + tail.size());
    return CutToLength(head + CutToLength(text, room) + tail, TooltipLength);
}

TTrayTooltip::TTrayTooltip(TNotificationsDb& store, TShow show, TClock clock, THoldLine holdLine)
    : Store(store), Show(std::move(show)), Clock(std::move(clock)), HoldLine(std::move(holdLine)),
      Watcher(store, [this] { Update(); }) {
    Update();
}

// Nothing is composed while nothing it tells can have changed: no reminder fell due, and the day
// is the same.
void TTrayTooltip::FollowTime() {
    const TDateTimeText now = Clock();
    if (GetDay(now) == GetDay(ComposedAt) && (NextDue.empty() || now < NextDue)) {
        return;
    }
    Update();
}

// Before the file is read, only the hold line (a folder that is not there) can be told.
void TTrayTooltip::Update() {
    const std::wstring holdLine = HoldLine ? HoldLine() : std::wstring();
    if (Store.IsKnown()) {
        ComposedAt = Clock();
        Show(ComposeTrayTooltip(Store, ComposedAt, holdLine, NextDue));
    } else if (!holdLine.empty()) {
        Show(L"Nudgely\n" + holdLine);
    }
}
