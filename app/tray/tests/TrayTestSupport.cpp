#include "app/tray/tests/TrayTestSupport.h"

std::wstring GetOwnExecutablePath() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}
