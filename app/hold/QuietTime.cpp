#include "app/hold/QuietTime.h"

bool TQuietTime::IsOn(const TDateTimeText& now) const {
    return Kind == TKind::UntilTurnedOff || (Kind == TKind::Until && now < End);
}

// A span that would end past the last year the dates reach has no end to speak of.
TQuietTime TQuietTime::For(const TDateTimeText& now, const TDurationText& span) {
    TQuietTime quiet;
    quiet.End = AddDuration(now, span);
    quiet.Kind = quiet.End.empty() ? TKind::UntilTurnedOff : TKind::Until;
    return quiet;
}

TQuietTime TQuietTime::UntilTomorrow(const TDateTimeText& now) {
    return For(now.substr(0, 10) + " 00:00:00", "24:00:00");
}

bool operator==(const TQuietTime& left, const TQuietTime& right) {
    return left.Kind == right.Kind && (left.Kind != TQuietTime::TKind::Until || left.End == right.End);
}
