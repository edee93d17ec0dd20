#include "ui/ControlCancelHandler.h"

bool TControlCancelHandler::ProcessMessage(TMessage& message) {
    if (message.message != WM_COMMAND || LOWORD(message.wParam) != IDCANCEL) {
        return false;
    }
    RunHandler(OnCancel);
    return true;
}
