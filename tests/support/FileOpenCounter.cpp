#include "tests/support/FileOpenCounter.h"

namespace {

decltype(&CreateFileW) RealCreateFileW = nullptr;
std::wstring CountedPath;
int Count = 0;

HANDLE WINAPI CountingCreateFileW(LPCWSTR name, DWORD access, DWORD sharing, LPSECURITY_ATTRIBUTES security,
                                  DWORD disposition, DWORD flags, HANDLE templateFile) {
    if (name != nullptr && CountedPath == name) {
        ++Count;
    }
    return RealCreateFileW(name, access, sharing, security, disposition, flags, templateFile);
}

}  // namespace

TFileOpenCounter::TFileOpenCounter(std::wstring path)
    : Replacement("CreateFileW", &CountingCreateFileW, RealCreateFileW) {
    CountedPath = std::move(path);
    Count = 0;
}

int TFileOpenCounter::GetCount() const { return Count; }
