#pragma once

#include "store/DateTimeText.h"

// The user's "do not disturb": off, on until a moment, or on until the user turns it off.
struct TQuietTime {
    enum class TKind { Off, Until, UntilTurnedOff };

    TKind Kind = TKind::Off;
    // The moment it ends, for Until.
    TDateTimeText End;

    // Quiet until the moment is over at that moment.
    bool IsOn(const TDateTimeText& now) const;

    static TQuietTime For(const TDateTimeText& now, const TDurationText& span);
    // Until the next midnight.
    static TQuietTime UntilTomorrow(const TDateTimeText& now);
};

bool operator==(const TQuietTime& left, const TQuietTime& right);
