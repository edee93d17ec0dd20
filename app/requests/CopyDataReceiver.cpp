#include "app/requests/CopyDataReceiver.h"

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
    std::string_view bytes(static_cast<const char*>(data->lpData), data->lpData ? data->cbData : 0);
    // A sender in C often counts its text's terminating null; any other null is no text of ours.
    if (!bytes.empty() && bytes.back() == '\0') {
        bytes.remove_suffix(1);
    }
    taken = !Closed && data->cbData <= LargestRequest && bytes.find('\0') == std::string_view::npos && Take(bytes);
    return true;
}
