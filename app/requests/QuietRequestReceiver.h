#pragma once

#include "app/requests/CopyDataReceiver.h"

class TReminderHold;

// Turns quiet on or off as other processes ask (see QuietRequest.h), on the close-request window.
class TQuietRequestReceiver : public TCopyDataReceiver {
public:
    TQuietRequestReceiver(TWindow& window, TReminderHold& hold);

private:
    bool Take(std::string_view bytes) override;

    TReminderHold& Hold;
};
