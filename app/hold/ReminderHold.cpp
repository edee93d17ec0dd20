#include "app/hold/ReminderHold.h"

#include "app/settings/SettingsFile.h"

TReminderHold::TReminderHold(TSettingsFile& settings, TClock clock) : Settings(settings), Clock(std::move(clock)) {
    ReportedReason = GetReason();
    ReportedQuiet = GetQuiet();
}

bool TReminderHold::IsHolding() {
    AskedSinceTick = true;
    const TSettings& settings = Settings.Get();
    // Quiet holds everything: the system has nothing to add.
    if (settings.Quiet.IsOn(Clock())) {
        SystemHold = TSystemHold::None;
    } else {
        SystemHold = settings.HoldDuringFullScreen ? AskSystemForHold() : TSystemHold::None;
    }
    ReportChange();
    return GetReason() != TReason::None;
}

void TReminderHold::FollowTick() {
    if (!AskedSinceTick) {
        SystemHold = TSystemHold::None;
    }
    AskedSinceTick = false;
    ReportChange();
}

bool TReminderHold::HoldsDuringFullScreen() const { return Settings.Get().HoldDuringFullScreen; }

void TReminderHold::SetHoldDuringFullScreen(bool hold) {
    TSettings settings = Settings.Get();
    settings.HoldDuringFullScreen = hold;
    Settings.Change(settings);
    if (!hold) {
        SystemHold = TSystemHold::None;
    }
    ReportChange();
}

// One that ran out is over, whatever the file still says.
TQuietTime TReminderHold::GetQuiet() const {
    const TQuietTime& quiet = Settings.Get().Quiet;
    return quiet.IsOn(Clock()) ? quiet : TQuietTime();
}

void TReminderHold::SetQuiet(const TQuietTime& quiet) {
    TSettings settings = Settings.Get();
    settings.Quiet = quiet;
    Settings.Change(settings);
    ReportChange();
}

TReminderHold::TReason TReminderHold::GetReason() const {
    if (GetQuiet().Kind != TQuietTime::TKind::Off) {
        return TReason::Quiet;
    }
    switch (SystemHold) {
    case TSystemHold::FullScreen:
        return TReason::FullScreen;
    case TSystemHold::Windows:
        return TReason::Windows;
    default:
        return TReason::None;
    }
}

void TReminderHold::ReportChange() {
    const TReason reason = GetReason();
    const TQuietTime quiet = GetQuiet();
    if (reason == ReportedReason && quiet == ReportedQuiet) {
        return;
    }
    ReportedReason = reason;
    ReportedQuiet = quiet;
    RunHandler(OnChange);
}
