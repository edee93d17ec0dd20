#pragma once

#include "app/hold/QuietTime.h"
#include "app/hold/SystemHold.h"
#include "store/CurrentDateTime.h"
#include "ui/Handler.h"

#include <functional>

class TSettingsFile;

// Decides whether a due reminder waits: while the user asked for quiet, and, unless the user
// chose otherwise, while the system would hold notifications (a full-screen program, a
// presentation). A waiting reminder stays as it is in the store and is shown on the first tick
// after the hold ends. The system is asked only about a due reminder, never on an idle tick.
class TReminderHold {
public:
    // What holds reminders back now, as the tray icon and its tooltip tell it.
    enum class TReason { None, Quiet, FullScreen, Windows };
    using TClock = std::function<TDateTimeText()>;

    // The choices are the settings file's, and are written there as they change. A choice that
    // cannot be written changes nothing: its setter throws TSettingsFile::TException.
    explicit TReminderHold(TSettingsFile& settings, TClock clock = GetCurrentDateTime);

    // For a reminder that is due now: whether it waits.
    bool IsHolding();
    // At the start of every scheduler tick: a quiet time that ran out ends, and so does a hold
    // that no due reminder asked about on the previous tick (it was shown, or deleted).
    void FollowTick();

    bool HoldsDuringFullScreen() const;
    void SetHoldDuringFullScreen(bool hold);
    TQuietTime GetQuiet() const;
    void SetQuiet(const TQuietTime& quiet);
    TDateTimeText GetTime() const { return Clock(); }

    TReason GetReason() const;
    // Runs whenever the reason, or the end of the quiet time, changes.
    void SetOnChange(THandler handler) { OnChange = std::move(handler); }

private:
    void ReportChange();

    TSettingsFile& Settings;
    TClock Clock;
    TSystemHold SystemHold = TSystemHold::None;
    bool AskedSinceTick = false;
    TReason ReportedReason = TReason::None;
    TQuietTime ReportedQuiet;
    THandler OnChange;
};
