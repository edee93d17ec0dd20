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
    // Deletes the folder now, for when no destructor will run; the path is empty afterwards.
    void Remove();

private:
    std::wstring Path;
};
