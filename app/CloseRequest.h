#pragma once

#include <string>

// Asks the running instance, found by the title of its close-request window, to quit; waits up
// to two seconds for it to end. Returns the exit code of a "/close" run.
int SendCloseRequest(const std::wstring& closeRequestWindowTitle);
