#include "app/hold/HoldLine.h"

#include "store/DisplayDateTime.h"
#include "texts/Texts.h"

namespace {

// Today's time alone, as the user's locale writes times.
std::wstring FormatQuietEnd(const TDateTimeText& end, const TDateTimeText& now) {
    const bool today = end.compare(0, 10, now, 0, 10) == 0;
    const std::wstring time = today ? FormatTimeForDisplay(end) : std::wstring();
    return time.empty() ? FormatDueTimeForDisplay(end, now) : time;
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
