#pragma once

#include <windows.h>

#include <string>

// The small icon (the size of the notification area) taken out of an executable file, destroyed
// with the holder. The handle is null when the file has no icon at that index or is no executable
// at all.
class TExtractedIcon {
public:
    TExtractedIcon(const std::wstring& executablePath, int index);
    ~TExtractedIcon();
    TExtractedIcon(const TExtractedIcon&) = delete;
    TExtractedIcon& operator=(const TExtractedIcon&) = delete;

    HICON GetHandle() const { return Handle; }

private:
    HICON Handle = nullptr;
};
