#pragma once

#include "tests/support/ImportReplacement.h"

#include <windows.h>

#include <string>

// Counts the files this test program opens by one path, for as long as it lives: it takes the
// place of CreateFileW in the program's import table, through which every open of the program's
// own code goes. One at a time.
class TFileOpenCounter {
public:
    explicit TFileOpenCounter(std::wstring path);

    // False when the program imports no CreateFileW, and then nothing is counted.
    bool IsCounting() const { return Replacement.IsReplacing(); }
    int GetCount() const;

private:
    TImportReplacement<decltype(&CreateFileW)> Replacement;
};
