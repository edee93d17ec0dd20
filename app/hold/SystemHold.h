#pragma once

// Why the system would have reminders wait, if it would.
enum class TSystemHold { None, FullScreen, Windows };

// Asks the shell (SHQueryUserNotificationState): a full-screen program, a Direct3D program in
// exclusive mode, presentation mode or Windows' quiet time hold. Where the shell cannot tell or
// finds nothing, it looks at the foreground window itself (see below), which is all there is
// where the shell always answers that notifications are welcome (Wine).
TSystemHold AskSystemForHold();

// Whether the foreground window covers its whole monitor and is not the desktop or the taskbar.
// A maximized window with a title bar is one the user works in, also where a taskbar that hides
// itself leaves it the whole monitor.
bool IsForegroundWindowFullScreen();
