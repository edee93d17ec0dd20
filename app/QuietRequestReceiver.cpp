#include "app/QuietRequestReceiver.h"

#include "app/QuietRequest.h"
#include "app/ReminderHold.h"

TQuietRequestReceiver::TQuietRequestReceiver(TWindow& window, TReminderHold& hold)
    : TCopyDataReceiver(window, QuietRequestTag), Hold(hold) {}

// The quiet time is in force for this run even when the settings file cannot be written.
bool TQuietRequestReceiver::Take(std::string_view bytes) {
    TQuietRequest request;
    if (!ReadQuietRequest(bytes, request)) {
        return false;
    }
    Hold.SetQuiet(request.Apply(Hold.GetTime()));
    return true;
}
