#pragma once

#include <string>

// A new, empty folder "tempN" in the system's temporary folder, deleted with all its content
// when the object ends. The path is empty when no folder could be made.
class TTemporaryFolder {
public:
    TTemporaryFolder();
    ~TTemporaryFolder();
    TTemporaryFolder(const TTemporaryFolder&) = delete;
    TTemporaryFolder& operator=(const TTemporaryFolder&) = delete;

    const std::wstring& GetPath() const { return Path; }

private:
    std::wstring Path;
};
