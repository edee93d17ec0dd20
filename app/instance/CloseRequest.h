#pragma once

#include <windows.h>

#include <string>

// Asks the running instance, found by the title of its close-request window, to quit; waits up
// to two seconds for it to end. Returns the exit code of a "/close" run.
int SendCloseRequest(const std::wstring& closeRequestWindowTitle);

// Lets close requests reach the window also when this instance runs elevated (started from an
// elevated setup's last page) and the "/close" run does not: the system would otherwise drop
// the request, and the next setup would wait for an instance that never quits.
void AcceptCloseRequestsFromAnyProcess(HWND closeRequestWindow);
