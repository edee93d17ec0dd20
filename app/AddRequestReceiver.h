#pragma once

#include "ui/Window.h"

class TNotificationsDb;

// Stores the reminders that other processes hand to the running instance (see AddRequest.h), on
// its close-request window, the one window they already know. It answers the sender rather than
// the user: a request that cannot be read or stored gets FALSE and nothing is shown here, where no
// one waits for it. Other copied data is left to the window, which answers FALSE.
class TAddRequestReceiver : public TWindow::TControl {
public:
    TAddRequestReceiver(TWindow& window, TNotificationsDb& store);

    bool ProcessMessage(TMessage& message) override;

private:
    bool Store(const COPYDATASTRUCT& data);

    TNotificationsDb& Db;
};
