#include "app/CopyDataReceiver.h"

namespace {

// Far above any request of the program's own, far below what would tire the instance.
const DWORD LargestRequest = 64 * 1024;

}  // namespace

TCopyDataReceiver::TCopyDataReceiver(TWindow& window, std::uint32_t tag) : TControl(window), Tag(tag) {}

bool TCopyDataReceiver::ProcessMessage(TMessage& message) {
    if (message.message != WM_COPYDATA) {
        return false;
    }
    bool taken = false;
    try {
        if (!Receive(message, taken)) {
            return false;
        }
    } catch (...) {
        taken = false;
    }
    message.result = taken ? TRUE : FALSE;
    return true;
}

// Gives whether the request is of this kind.
bool TCopyDataReceiver::Receive(const TMessage& message, bool& taken) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(message.lParam);
    if (!data || data->dwData != Tag) {
        return false;
    }
    taken = data->cbData <= LargestRequest &&
            Take(std::string_view(static_cast<const char*>(data->lpData), data->lpData ? data->cbData : 0));
    return true;
}
