#pragma once

#include "app/requests/CopyDataReceiver.h"

class TNotificationsDb;

// Stores the reminders that other processes hand to the running instance (see AddRequest.h), on
// its close-request window, the one window they already know.
class TAddRequestReceiver : public TCopyDataReceiver {
public:
    TAddRequestReceiver(TWindow& window, TNotificationsDb& store);

private:
    bool Take(std::string_view bytes) override;

    TNotificationsDb& Db;
};
