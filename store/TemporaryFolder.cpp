#include "store/TemporaryFolder.h"

#include "store/DirectoryDeletion.h"

#include <windows.h>

namespace {

const int CandidateCount = 10000;

}  // namespace

TTemporaryFolder::TTemporaryFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) {
        return;
    }
    const std::wstring systemFolder(buffer, length);
    for (int number = 0; number < CandidateCount; ++number) {
        const std::wstring candidate = systemFolder + L"temp" + std::to_wstring(number);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            Path = candidate;
            return;
        }
    }
}

TTemporaryFolder::~TTemporaryFolder() { Remove(); }

void TTemporaryFolder::Remove() {
    if (!Path.empty()) {
        DeleteDirectoryRecursively(Path);
        Path.clear();
    }
}
