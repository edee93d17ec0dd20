#include "app/requests/AddRequestReceiver.h"

#include "app/requests/AddRequest.h"
#include "store/NotificationsDb.h"

TAddRequestReceiver::TAddRequestReceiver(TWindow& window, TNotificationsDb& store)
    : TCopyDataReceiver(window, AddRequestTag), Db(store) {}

bool TAddRequestReceiver::Take(std::string_view bytes) {
    TNotification reminder;
    if (!ReadAddRequest(bytes, reminder)) {
        return false;
    }
    Db.AddNotification(reminder);
    return true;
}
