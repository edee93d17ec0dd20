#include "app/tray/TrayTooltip.h"

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
// The one on screen is neither waiting nor to come.
struct TComing {
    TNotification Earliest;
    long long DueCount = 0;
    TDateTimeText NextDue;
};

TComing FindComing(const TNotificationsDb& store, const TDateTimeText& now, std::int32_t shownId) {
    TComing coming;
    for (TNotificationsDb::TIterator it = store.Begin(); it.IsValid() && coming.NextDue.empty(); it.Next()) {
        const TNotification reminder = it.Current();
        if (reminder.Id == shownId) {
            continue;
        }
        if (coming.Earliest.Date.empty()) {
            coming.Earliest = reminder;
        }
        if (now < reminder.Date) {
            coming.NextDue = reminder.Date;
        } else {
            ++coming.DueCount;
        }
    }
    return coming;
}

// The date part of a due time: the tooltip names days relative to today.
std::string GetDay(const TDateTimeText& dateTime) { return dateTime.substr(0, dateTime.find(' ')); }

}  // namespace

// The text gives way to the count of those waiting, which tells more in one line.
std::wstring ComposeTrayTooltip(const TNotificationsDb& store, const TDateTimeText& now, const std::wstring& holdLine,
                                std::int32_t shownId, TDateTimeText& nextDue) {
    const std::wstring name = holdLine.empty() ? L"Nudgely\n" : L"Nudgely\n" + holdLine + L"\n";
    const TComing coming = FindComing(store, now, shownId);
    nextDue = coming.NextDue;
    const long long due = coming.DueCount;
    const TNotification& earliest = coming.Earliest;
    if (earliest.Date.empty()) {
        return name + LoadText(IDS_TOOLTIP_NO_REMINDERS);
    }
    const std::wstring head = name + FormatDueTimeForDisplay(earliest.Date, now) + L" ";
    // Unless held, one more is on screen, or about to be.
    const long long onScreen = holdLine.empty() ? 1 : 0;
    const std::wstring tail = due > onScreen ? L"\n" + FormatCountedText(IDS_TOOLTIP_WAITING, due) : std::wstring();
    const std::wstring text = earliest.Text.empty() ? LoadText(IDS_NO_TEXT) : earliest.Text;
    const std::size_t room = TooltipLength - std::min(TooltipLength, head.size() + tail.size());
    return CutToLength(head + CutToLength(text, room) + tail, TooltipLength);
}

TTrayTooltip::TTrayTooltip(TNotificationsDb& store, TShow show, TClock clock, THoldLine holdLine, TShownId shownId)
    : Store(store), Show(std::move(show)), Clock(std::move(clock)), HoldLine(std::move(holdLine)),
      ShownId(std::move(shownId)), Watcher(store, [this] { Update(); }) {
    Update();
}

// Nothing is composed while nothing it tells can have changed: no reminder fell due or came on
// screen, and the day is the same.
void TTrayTooltip::FollowTime() {
    const TDateTimeText now = Clock();
    if (GetDay(now) == GetDay(ComposedAt) && (NextDue.empty() || now < NextDue) && GetShownId() == ComposedShownId) {
        return;
    }
    Update();
}

// Before the file is read, only the hold line (a folder that is not there) can be told.
void TTrayTooltip::Update() {
    const std::wstring holdLine = HoldLine ? HoldLine() : std::wstring();
    if (Store.IsKnown()) {
        ComposedAt = Clock();
        ComposedShownId = GetShownId();
        Show(ComposeTrayTooltip(Store, ComposedAt, holdLine, ComposedShownId, NextDue));
    } else if (!holdLine.empty()) {
        Show(L"Nudgely\n" + holdLine);
    }
}

std::int32_t TTrayTooltip::GetShownId() const { return ShownId ? ShownId() : -1; }
