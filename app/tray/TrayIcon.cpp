#include "app/tray/TrayIcon.h"

#include "app/tray/TrayNotificationControl.h"

TTrayIcon::TTrayIcon(const std::wstring& executablePath, int iconIndex, const std::wstring& tooltip)
    : Window(new TWindow(L"dummy", false, nullptr)),
      Control(new TNotificationControl(*Window, executablePath, iconIndex, tooltip)) {}

TTrayIcon::~TTrayIcon() = default;

void TTrayIcon::SetOnMenuRequest(TMenuRequestHandler handler) { Control->SetOnMenuRequest(std::move(handler)); }

void TTrayIcon::SetOnSelect(THandler handler) { Control->SetOnSelect(std::move(handler)); }

void TTrayIcon::SetTooltip(const std::wstring& tooltip) { Control->SetTooltip(tooltip); }

void TTrayIcon::ShowIcon(int iconIndex) { Control->ShowIcon(iconIndex); }
