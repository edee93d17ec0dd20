#include "store/ReplacementFile.h"

#include <algorithm>

namespace {

const std::size_t BufferLimit = 65536;

// A scanner or indexer that has the data file open for a moment makes the rename fail; it is
// tried again a few times before the change is given up.
const int ReplaceAttempts = 5;
const DWORD ReplaceRetryDelay = 20;

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

std::wstring TReplacementFile::MakeNewFilePath(const std::wstring& targetPath) { return targetPath + L".replacement"; }

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

bool TReplacementFile::ReplaceTarget() {
    if (File.IsValid() || WriteFailed) {
        return false;
    }
    for (int attempt = 0; attempt < ReplaceAttempts && !Replaced; ++attempt) {
        if (attempt > 0) {
            Sleep(ReplaceRetryDelay);
        }
        Replaced = MoveFileExW(NewPath.c_str(), TargetPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
                   FALSE;
    }
    return Replaced;
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
