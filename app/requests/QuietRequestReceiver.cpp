#include "app/requests/QuietRequestReceiver.h"

#include "app/requests/QuietRequest.h"
#include "app/hold/ReminderHold.h"

TQuietRequestReceiver::TQuietRequestReceiver(TWindow& window, TReminderHold& hold)
    : TCopyDataReceiver(window, QuietRequestTag), Hold(hold) {}

// A quiet time that cannot be written throws, and the sender hears it was not taken.
bool TQuietRequestReceiver::Take(std::string_view bytes) {
    TQuietRequest request;
    if (!ReadQuietRequest(bytes, request)) {
        return false;
    }
    Hold.SetQuiet(request.Apply(Hold.GetTime()));
    return true;
}
