#pragma once

#include "ui/Window.h"

#include <cstdint>
#include <string_view>

// Takes the WM_COPYDATA requests of one kind (its tag in dwData) that other processes send to a
// window of the running instance. It answers the sender rather than the user: a request that is
// too large, cannot be read or fails gets FALSE, and nothing is shown inside the sent message,
// where no one waits for a box. Other copied data is left to the window, which answers FALSE.
// Nothing lets the message through the elevation filter: a process of lower integrity, a
// sandboxed one, must not hand an elevated instance text. A single null at the very end is the
// terminator that C senders often count, and is dropped; a null anywhere else refuses the request.
class TCopyDataReceiver : public TWindow::TControl {
public:
    TCopyDataReceiver(TWindow& window, std::uint32_t tag);

    bool ProcessMessage(TMessage& message) override;
    // Refuses every request from now on: when the instance quits, before the objects that
    // requests reach go.
    void Close() { Closed = true; }

protected:
    // Gives whether the request was taken.
    virtual bool Take(std::string_view bytes) = 0;

private:
    bool Receive(const TMessage& message, bool& taken);

    std::uint32_t Tag;
    bool Closed = false;
};
