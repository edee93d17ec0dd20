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
    // One attempt at replacing the target that held, opened with TReadingHold::EveryChange, has
    // kept from every other program since it was read: no other program's save, rename or delete
    // can come between. The held file steps aside, the new file takes its name, and the held file
    // is deleted when the handle closes. Fails with ERROR_ALREADY_EXISTS when another program put
    // a file in the target's place in that moment: that file stays, and the held one goes.
    bool TryToReplaceHeldTarget(const TFileHandle& held);
    // The name the held target has while it steps aside.
    static std::wstring MakeAsidePath(const std::wstring& targetPath);
    // For a target found missing: a program that ended between the two steps of replacing it left
    // the old file aside, with the new one beside it. Puts the old one back and gives whether it
    // did; never while the program that put it aside still holds it.
    static bool PutBackCutReplacement(const std::wstring& targetPath);

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
