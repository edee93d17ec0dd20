#include "packaging/tests/VersionResource.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace {

std::vector<BYTE> ReadVersionResource(const std::wstring& programPath) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(programPath.c_str(), &ignored);
    std::vector<BYTE> resource(size);
    if (size == 0 || !GetFileVersionInfoW(programPath.c_str(), 0, size, resource.data())) {
        resource.clear();
    }
    return resource;
}

}  // namespace

std::wstring ReadVersionString(const std::wstring& programPath, const std::wstring& name) {
    std::vector<BYTE> resource = ReadVersionResource(programPath);
    if (resource.empty()) {
        return L"";
    }
    // The strings sit in a block named after the first language and code page of the translations.
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(resource.data(), L"\\VarFileInfo\\Translation", &value, &length) ||
        length < 2 * sizeof(WORD)) {
        return L"";
    }
    const auto* translation = static_cast<const WORD*>(value);
    wchar_t block[16] = {};
    swprintf(block, 16, L"%04x%04x", translation[0], translation[1]);
    const std::wstring query = L"\\StringFileInfo\\" + std::wstring(block) + L"\\" + name;
    if (!VerQueryValueW(resource.data(), query.c_str(), &value, &length) || length == 0) {
        return L"";
    }
    return std::wstring(static_cast<const wchar_t*>(value));
}

std::wstring ReadFixedFileVersion(const std::wstring& programPath) {
    std::vector<BYTE> resource = ReadVersionResource(programPath);
    void* value = nullptr;
    UINT length = 0;
    if (resource.empty() || !VerQueryValueW(resource.data(), L"\\", &value, &length) ||
        length < sizeof(VS_FIXEDFILEINFO)) {
        return L"";
    }
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    return std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(fixed->dwFileVersionMS)) +
           L"." + std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
           std::to_wstring(LOWORD(fixed->dwFileVersionLS));
}
