#include "app/AddRequestReceiver.h"

#include "app/AddRequest.h"
#include "store/NotificationsDb.h"

#include <string_view>

// Senders that are not elevated reach an elevated instance only through the message filter; a
// refusal changes nothing for an instance that is not elevated.
TAddRequestReceiver::TAddRequestReceiver(TWindow& window, TNotificationsDb& store) : TControl(window), Db(store) {
    ChangeWindowMessageFilterEx(window.GetHandle(), WM_COPYDATA, MSGFLT_ALLOW, nullptr);
}

bool TAddRequestReceiver::ProcessMessage(TMessage& message) {
    if (message.message != WM_COPYDATA) {
        return false;
    }
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(message.lParam);
    if (!data || data->dwData != AddRequestTag) {
        return false;
    }
    message.result = Store(*data) ? TRUE : FALSE;
    return true;
}

bool TAddRequestReceiver::Store(const COPYDATASTRUCT& data) {
    const std::string_view bytes(static_cast<const char*>(data.lpData), data.lpData ? data.cbData : 0);
    TNotification reminder;
    if (!ReadAddRequest(bytes, reminder)) {
        return false;
    }
    try {
        Db.AddNotification(reminder);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
