#pragma once

#include <string>

// Counts how often any process opens one file, while it lives, through the host's inotify: the
// program under measure is another process, and whatever opens a file under Wine opens it on the
// host. The count is read when it ends.
class TDataFileOpenWatch {
public:
    explicit TDataFileOpenWatch(const std::wstring& path);
    ~TDataFileOpenWatch();
    TDataFileOpenWatch(const TDataFileOpenWatch&) = delete;
    TDataFileOpenWatch& operator=(const TDataFileOpenWatch&) = delete;

    // Whether the count runs; false on a host that cannot watch files.
    bool IsWatching() const { return Watching; }
    // Ends the watch; -1 when nothing was counted.
    int Finish();

private:
    std::string Files;
    bool Watching = false;
};
