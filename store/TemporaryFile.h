#pragma once

#include <string>
#include <utility>

// A file path whose file, if there is one, is deleted when the object ends. Creates nothing.
class TTemporaryFile {
public:
    explicit TTemporaryFile(std::wstring path) : Path(std::move(path)) {}
    ~TTemporaryFile();
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    const std::wstring& GetPath() const { return Path; }

private:
    std::wstring Path;
};
