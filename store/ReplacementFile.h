#pragma once

#include "store/FileHandle.h"
#include "store/HolderPauses.h"

#include <string>
#include <string_view>

// The next content of a file, written beside it and then put in its place in one step, so that
// the file always holds either its complete old content or its complete new content. Until it is
// in place, the new file is removed when the object ends.
class TReplacementFile {
public:
    explicit TReplacementFile(const std::wstring& targetPath);
    ~TReplacementFile();
    TReplacementFile(const TReplacementFile&) = delete;
    TReplacementFile& operator=(const TReplacementFile&) = delete;

    // The name of the new file while it is written; never a name the target's owner reads.
    static std::wstring MakeNewFilePath(const std::wstring& targetPath);

    bool IsOpen() const { return File.IsValid(); }
    // False once any write has failed.
    bool Write(std::string_view bytes);
    // Writes out what is buffered, flushes it to disk and closes the new file.
    bool Finish();
    // Puts the finished new file in place of the target, waiting for programs that hold it.
    bool ReplaceTarget(THolderWait wait = THolderWait::AboutTwoSeconds);
    // One attempt, which fails with ERROR_ALREADY_EXISTS when a target that was not to be
    // replaced exists; GetLastError tells why it failed.
    bool TryToReplaceTarget(bool replaceExisting);

private:
    bool WriteBuffer();
    void WriteBytes(std::string_view bytes);

    std::wstring TargetPath;
    std::wstring NewPath;
    TFileHandle File;
    std::string Buffer;
    bool WriteFailed = false;
    bool Replaced = false;
};
