#pragma once

#include "ui/Handler.h"

#include <memory>
#include <string>

class TWindow;

// The program's icon in the notification area, there for the object's lifetime. A right-click
// asks for the menu, a double-click runs the double-click handler.
class TTrayIcon {
public:
    class TNotificationControl;

    // The icon is the one at iconIndex in the executable file; the tooltip shows at most 127
    // characters.
    TTrayIcon(const std::wstring& executablePath, int iconIndex, const std::wstring& tooltip);
    ~TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    void SetOnMenuRequest(THandler handler);
    void SetOnDoubleClick(THandler handler);
    void SetTooltip(const std::wstring& tooltip);

private:
    std::unique_ptr<TWindow> Window;
    std::unique_ptr<TNotificationControl> Control;
};
