#pragma once

#include "ui/Geometry.h"
#include "ui/Handler.h"

#include <functional>
#include <memory>
#include <string>

class TWindow;

// The program's icon in the notification area, there for the object's lifetime. A right-click,
// Shift+F10 or the context menu key on it asks for the menu; a double-click, or Enter or Space on
// the icon chosen from the keyboard, runs the select handler.
class TTrayIcon {
public:
    class TNotificationControl;
    // Shows the menu with its corner at the anchor, in screen coordinates: where the user clicked,
    // or the icon's place when the menu was asked for from the keyboard. Gives whether the user
    // chose an entry; when not, the keyboard goes back to the notification area.
    using TMenuRequestHandler = std::function<bool(TPoint anchor)>;

    // The icon is the one at iconIndex in the executable file; the tooltip shows at most 127
    // characters.
    TTrayIcon(const std::wstring& executablePath, int iconIndex, const std::wstring& tooltip);
    ~TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    void SetOnMenuRequest(TMenuRequestHandler handler);
    void SetOnSelect(THandler handler);
    void SetTooltip(const std::wstring& tooltip);
    // Shows the icon at that index of the executable file instead.
    void ShowIcon(int iconIndex);

private:
    std::unique_ptr<TWindow> Window;
    std::unique_ptr<TNotificationControl> Control;
};
