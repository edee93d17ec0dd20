#include "ui/SystemLibrary.h"

#include <string>

namespace {

using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD directoryFlags);

HMODULE LoadFromSystemFolder(const wchar_t* fileName) {
    HMODULE module = LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // A system that knows no search flags refuses them as a parameter; the full path in the
    // system folder, with that folder searched for the library's own imports, does the same.
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER) {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            const std::wstring path = std::wstring(folder) + L"\\" + fileName;
            module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        }
    }
    return module;
}

}  // namespace

TSystemLibrary::TSystemLibrary(const wchar_t* fileName) : Module(LoadFromSystemFolder(fileName)) {}

void* TSystemLibrary::GetProcedure(const char* name) const {
    return Module ? reinterpret_cast<void*>(GetProcAddress(Module, name)) : nullptr;
}

// The function is missing from an unpatched Windows 7.
bool RestrictLibrarySearchToSystemFolder() {
    const auto setDefaultDllDirectories =
        FindNewerSystemFunction<TSetDefaultDllDirectories>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return true;
    }
    SetDllDirectoryW(L"");
    return false;
}
