#include "app/HoldLine.h"

#include "store/Calendar.h"
#include "store/DisplayDateTime.h"
#include "texts/Texts.h"

#include <windows.h>

namespace {

// Today's time alone, as the user's locale writes times.
std::wstring FormatQuietEnd(const TDateTimeText& end, const TDateTimeText& now) {
    TCalendarFields fields;
    if (end.compare(0, 10, now, 0, 10) != 0 || !ReadDateTimeFields(end, fields)) {
        return FormatDueTimeForDisplay(end, now);
    }
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(fields.Year);
    time.wMonth = static_cast<WORD>(fields.Month);
    time.wDay = static_cast<WORD>(fields.Day);
    time.wHour = static_cast<WORD>(fields.Hour);
    time.wMinute = static_cast<WORD>(fields.Minute);
    wchar_t text[64] = {};
    GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, text, 64);
    return text;
}

}  // namespace

std::wstring DescribeQuiet(const TQuietTime& quiet, const TDateTimeText& now) {
    switch (quiet.Kind) {
    case TQuietTime::TKind::Until:
        return FormatText(IDS_QUIET_UNTIL, {FormatQuietEnd(quiet.End, now)});
    case TQuietTime::TKind::UntilTurnedOff:
        return LoadText(IDS_QUIET_UNTIL_TURNED_OFF);
    default:
        return LoadText(IDS_QUIET_TURNED_OFF);
    }
}

std::wstring DescribeHold(TReminderHold::TReason reason, const TQuietTime& quiet, const TDateTimeText& now) {
    switch (reason) {
    case TReminderHold::TReason::Quiet:
        return DescribeQuiet(quiet, now);
    case TReminderHold::TReason::FullScreen:
        return LoadText(IDS_HELD_FULL_SCREEN);
    case TReminderHold::TReason::Windows:
        return LoadText(IDS_HELD_BY_WINDOWS);
    default:
        return std::wstring();
    }
}
