#pragma once

#include <string>

// Counts the files this test program opens by one path, for as long as it lives: it takes the
// place of CreateFileW in the program's import table, through which every open of the program's
// own code goes, and gives the place back when it ends. One at a time.
class TFileOpenCounter {
public:
    explicit TFileOpenCounter(std::wstring path);
    ~TFileOpenCounter();
    TFileOpenCounter(const TFileOpenCounter&) = delete;
    TFileOpenCounter& operator=(const TFileOpenCounter&) = delete;

    // False when the program imports no CreateFileW, and then nothing is counted.
    bool IsCounting() const { return Slot != nullptr; }
    int GetCount() const;

private:
    void** Slot;
};
