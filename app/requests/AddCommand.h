#pragma once

#include <string>
#include <vector>

// A "/add WHEN TEXT [RULE]" run, given the words after "/add" (see AddArguments.h): hands the
// reminder to the running instance, or stores it itself when none runs, and writes one line about
// it (see ConsoleLine.h). Returns the exit code: 0 stored, 1 not stored, 2 malformed words.
int RunAddCommand(const std::vector<std::wstring>& words, const std::wstring& closeRequestWindowTitle,
                  const std::wstring& mutexName);
