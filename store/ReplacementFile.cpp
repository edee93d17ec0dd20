#include "store/ReplacementFile.h"

#include "store/FileOperations.h"
#include "store/SyncSkippedName.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const std::size_t BufferLimit = 65536;

// Beside the target, under a name that sync services skip.
std::wstring MakeSideFilePath(const std::wstring& targetPath, TSideFile kind) {
    return GetFolderOf(targetPath) + MakeSideFileName(GetFileNameOf(targetPath), kind);
}

bool RenameFile(const TFileHandle& file, const std::wstring& path, bool replaceExisting) {
    const std::size_t nameSize = path.size() * sizeof(wchar_t);
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameSize);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = replaceExisting ? TRUE : FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameSize);
    std::memcpy(info->FileName, path.c_str(), nameSize);
    return SetFileInformationByHandle(file.Get(), FileRenameInfo, info, static_cast<DWORD>(buffer.size())) != FALSE;
}

bool DeleteOnClose(const TFileHandle& file) {
    FILE_DISPOSITION_INFO disposition{TRUE};
    return SetFileInformationByHandle(file.Get(), FileDispositionInfo, &disposition, sizeof(disposition)) != FALSE;
}

}  // namespace

TReplacementFile::TReplacementFile(const std::wstring& targetPath)
    : TargetPath(targetPath),
      NewPath(MakeNewFilePath(targetPath)),
      // A leftover of a run killed while it wrote is simply overwritten.
      File(CreateFileW(NewPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    Buffer.reserve(BufferLimit);
}

TReplacementFile::~TReplacementFile() {
    if (!Replaced) {
        File.Close();
        DeleteFileW(NewPath.c_str());
    }
}

std::wstring TReplacementFile::MakeNewFilePath(const std::wstring& targetPath) {
    return MakeSideFilePath(targetPath, TSideFile::Replacement);
}

bool TReplacementFile::Write(std::string_view bytes) {
    // The buffer never grows past its limit: blocks of 128 KB and more come from the system at
    // every allocation, which takes longer than a write.
    if (Buffer.size() + bytes.size() > BufferLimit) {
        WriteBuffer();
    }
    // Large pieces, such as runs of unchanged lines, go to the file without a copy.
    if (Buffer.empty() && bytes.size() >= BufferLimit / 2) {
        WriteBytes(bytes);
        return !WriteFailed;
    }
    Buffer += bytes;
    return !WriteFailed;
}

bool TReplacementFile::Finish() {
    if (!File.IsValid() || !WriteBuffer()) {
        return false;
    }
    const bool flushed = FlushFileBuffers(File.Get()) != FALSE;
    return File.Close() && flushed;
}

bool TReplacementFile::ReplaceTarget(THolderWait wait) {
    THolderPauses pauses(wait);
    for (;;) {
        if (TryToReplaceTarget(true)) {
            return true;
        }
        if (!IsHeldByAnotherProgram(GetLastError()) || !pauses.Pause()) {
            return false;
        }
    }
}

bool TReplacementFile::TryToReplaceTarget(bool replaceExisting) {
    if (File.IsValid() || WriteFailed) {
        SetLastError(ERROR_INVALID_FUNCTION);
        return false;
    }
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
    Replaced = MoveFileExW(NewPath.c_str(), TargetPath.c_str(), flags) != FALSE;
    return Replaced;
}

bool TReplacementFile::TryToReplaceHeldTarget(const TFileHandle& held) {
    if (File.IsValid() || WriteFailed) {
        SetLastError(ERROR_INVALID_FUNCTION);
        return false;
    }
    // A leftover of a run that ended between the two steps is only an older copy.
    if (!RenameFile(held, MakeAsidePath(TargetPath), true)) {
        return false;
    }
    Replaced = MoveFileExW(NewPath.c_str(), TargetPath.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
    const DWORD error = GetLastError();
    if (Replaced || error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
        DeleteOnClose(held);
    } else {
        RenameFile(held, TargetPath, false);
    }
    SetLastError(error);
    return Replaced;
}

std::wstring TReplacementFile::MakeAsidePath(const std::wstring& targetPath) {
    return MakeSideFilePath(targetPath, TSideFile::Replaced);
}

// An aside left by a change that completed is never put back: that change's new file took the
// target's name, so none stands beside it.
bool TReplacementFile::PutBackCutReplacement(const std::wstring& targetPath) {
    const std::wstring newPath = MakeNewFilePath(targetPath);
    if (GetFileAttributesW(newPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    const TFileHandle aside(CreateFileW(MakeAsidePath(targetPath).c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!aside.IsValid() || !RenameFile(aside, targetPath, false)) {
        return false;
    }
    DeleteFileW(newPath.c_str());
    return true;
}

bool TReplacementFile::WriteBuffer() {
    WriteBytes(Buffer);
    Buffer.clear();
    return !WriteFailed;
}

void TReplacementFile::WriteBytes(std::string_view bytes) {
    std::size_t position = 0;
    while (!WriteFailed && position < bytes.size()) {
        DWORD written = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - position, BufferLimit));
        if (!WriteFile(File.Get(), bytes.data() + position, wanted, &written, nullptr) || written == 0) {
            WriteFailed = true;
        }
        position += written;
    }
}
