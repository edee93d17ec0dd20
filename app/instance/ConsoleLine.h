#pragma once

#include <string>

// Writes one line for whoever started this program, which has no console of its own: to its
// standard output when that goes to a file, a pipe or a device (in UTF-8), else to the console
// of the process that started it, if it has one. Nothing is shown anywhere else, so that a
// script or a scheduled task never waits for a message box.
void WriteConsoleLine(const std::wstring& line);
