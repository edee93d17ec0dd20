#pragma once

#include <string>
#include <vector>

// A "/quiet DURATION|on|off" run, given the words after "/quiet" (see QuietRequest.h): hands the
// request to the running instance, or writes the settings file itself when none runs, and writes
// one line about it (see ConsoleLine.h). Returns the exit code: 0 done, 1 not done, 2 malformed.
int RunQuietCommand(const std::vector<std::wstring>& words, const std::wstring& closeRequestWindowTitle,
                    const std::wstring& mutexName);
