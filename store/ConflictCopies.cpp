#include "store/ConflictCopies.h"

#include "store/ConflictCopyName.h"
#include "store/ContentFingerprint.h"
#include "store/DirectoryIterator.h"
#include "store/FileContent.h"
#include "store/FileOperations.h"
#include "store/Utf8Text.h"

#include <cwchar>

#include <windows.h>

namespace {

// Long enough for the program of the PC that lost the race to take the copy, when it runs.
const unsigned long long WaitForTheLosingPc = 20000;
// The PC that lost the race without a common version of its own leaves the copy this long to the
// others, whose program may know the version both had; merged without one, every line of both
// stays, and a reminder closed or moved on while apart would come back.
const unsigned long long WaitForAPcThatKnowsTheCommonVersion = 2 * WaitForTheLosingPc;

std::wstring GetComputerNameOfThisPc() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &size) ? std::wstring(name, size) : std::wstring();
}

// Named after the folder, written the same whatever its letter case.
std::wstring MakeCommonVersionName(std::wstring folder) {
    CharLowerBuffW(&folder[0], static_cast<DWORD>(folder.size()));
    wchar_t hex[17] = {};
    swprintf(hex, 17, L"%016llx", static_cast<unsigned long long>(FingerprintContent(EncodeUtf8(folder))));
    return std::wstring(L"notifications.common.") + hex;
}

}  // namespace

TConflictCopies::TConflictCopies(const std::wstring& dataPath, std::wstring pcFolder)
    : ComputerName(GetComputerNameOfThisPc()), PcFolder(std::move(pcFolder)) {
    MoveTo(dataPath);
}

void TConflictCopies::MoveTo(const std::wstring& dataPath) {
    Folder = GetFolderOf(dataPath);
    DataFileName = GetFileNameOf(dataPath);
    CommonPath = PcFolder.empty() ? std::wstring() : PcFolder + L"\\" + MakeCommonVersionName(Folder);
    Common.reset();
    FirstSeen.clear();
    Merged.clear();
    std::string bytes;
    if (!CommonPath.empty() && ReadFileContent(CommonPath, bytes)) {
        Common = std::move(bytes);
    }
}

std::vector<TConflictCopies::TCopy> TConflictCopies::FindCopiesToMerge(std::uint64_t lastWritten) {
    std::vector<TCopy> due;
    std::map<std::wstring, unsigned long long> standing;
    const unsigned long long now = GetTickCount64();
    for (TDirectoryIterator entry(Folder, DataFileName + L"*", false); entry.IsValid(); entry.Next()) {
        TCopy copy{entry.GetFullPath(), std::string()};
        if (!IsConflictCopyName(entry.GetName(), DataFileName, ComputerName) || !ReadFileContent(copy.Path, copy.Bytes) ||
            Merged.count({copy.Path, FingerprintContent(copy.Bytes)}) != 0) {
            continue;
        }
        const auto seen = FirstSeen.find(copy.Path);
        const unsigned long long firstSeen = seen == FirstSeen.end() ? now : seen->second;
        const bool lostHere = FingerprintContent(copy.Bytes) == lastWritten;
        const unsigned long long wait = !lostHere ? WaitForTheLosingPc : Common ? 0 : WaitForAPcThatKnowsTheCommonVersion;
        if (now - firstSeen >= wait) {
            due.push_back(std::move(copy));
        } else {
            standing.emplace(copy.Path, firstSeen);
        }
    }
    FirstSeen = std::move(standing);
    return due;
}

void TConflictCopies::ForgetMerged(const TCopy& copy) {
    if (!DeleteFileW(copy.Path.c_str())) {
        Merged.emplace(copy.Path, FingerprintContent(copy.Bytes));
    }
}

// A copy beside the file means that the file came with another PC's changes this PC never had.
void TConflictCopies::KeepCommonVersion(const std::string& bytes) {
    if (Common && *Common == bytes) {
        return;
    }
    for (TDirectoryIterator entry(Folder, DataFileName + L"*", false); entry.IsValid(); entry.Next()) {
        if (IsConflictCopyName(entry.GetName(), DataFileName, ComputerName)) {
            return;
        }
    }
    Common = bytes;
    if (!CommonPath.empty()) {
        ReplaceFileContent(CommonPath, bytes);
    }
}
