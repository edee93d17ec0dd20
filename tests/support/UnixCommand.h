#pragma once

#include <string>

// Runs a command of the Linux host (xdotool, parec, paplay) through /bin/sh from a test running
// under Wine, and waits for it. Wine starts such programs but gives no process handle to wait on,
// so the shell leaves the exit status in a file that this polls for. Returns the exit status, or
// -1 when the command did not end within the time.
int RunUnixCommand(const std::string& shellCommand, unsigned timeoutMilliseconds = 10000);

// Starts a host command without waiting for it.
bool StartUnixCommand(const std::string& shellCommand);

// Where a file of this program lies on the Linux host; empty when Wine cannot tell (or on Windows).
std::string GetUnixPath(const std::wstring& path);
