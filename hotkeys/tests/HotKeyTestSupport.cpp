#include "hotkeys/tests/HotKeyTestSupport.h"

#include <string>

namespace {

std::wstring HolderProgramPath() {
    wchar_t own[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, own, MAX_PATH);
    std::wstring path(own, length);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"hotkey_holder.exe";
}

void CloseIfOpen(HANDLE handle) {
    if (handle) {
        CloseHandle(handle);
    }
}

BOOL CALLBACK CollectDummyWindow(HWND window, LPARAM found) {
    wchar_t title[16] = L"";
    GetWindowTextW(window, title, 16);
    if (std::wstring(title) == L"dummy") {
        HWND& only = *reinterpret_cast<HWND*>(found);
        only = only ? HWND(INVALID_HANDLE_VALUE) : window;
    }
    return TRUE;
}

}  // namespace

THotKeyHolder::THotKeyHolder(const THotKey& hotKey) {
    static int serial = 0;
    const std::wstring prefix =
        L"nudgely.tests.hotkeyholder." + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(++serial);
    Ready = CreateEventW(nullptr, TRUE, FALSE, (prefix + L".ready").c_str());
    ReleaseRequest = CreateEventW(nullptr, TRUE, FALSE, (prefix + L".release").c_str());
    std::wstring commandLine = L"\"" + HolderProgramPath() + L"\" " + std::to_wstring(ToSystemModifiers(hotKey)) +
                               L" " + std::to_wstring(hotKey.key) + L" " + prefix;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        return;
    }
    CloseHandle(started.hThread);
    Process = started.hProcess;
    const HANDLE waited[] = {Ready, Process};
    Holding = WaitForMultipleObjects(2, waited, FALSE, 10000) == WAIT_OBJECT_0;
}

THotKeyHolder::~THotKeyHolder() {
    Release();
    CloseIfOpen(Process);
    CloseIfOpen(ReleaseRequest);
    CloseIfOpen(Ready);
}

void THotKeyHolder::Release() {
    if (ReleaseRequest) {
        SetEvent(ReleaseRequest);
    }
    if (Process && WaitForSingleObject(Process, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(Process, 1);
    }
    Holding = false;
}

bool IsHotKeyTaken(const THotKey& hotKey) {
    const int probeIdentifier = 0xBEEF;
    if (!RegisterHotKey(nullptr, probeIdentifier, ToSystemModifiers(hotKey), hotKey.key)) {
        return true;
    }
    UnregisterHotKey(nullptr, probeIdentifier);
    return false;
}

HWND FindOnlyDummyWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), CollectDummyWindow, reinterpret_cast<LPARAM>(&found));
    return found == HWND(INVALID_HANDLE_VALUE) ? nullptr : found;
}

UINT ToSystemModifiers(const THotKey& hotKey) {
    return (hotKey.alt ? 1u : 0u) | (hotKey.ctrl ? 2u : 0u) | (hotKey.shift ? 4u : 0u) | (hotKey.win ? 8u : 0u);
}

std::wstring MakeTemporaryFilePath() {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    wchar_t path[MAX_PATH];
    GetTempFileNameW(folder, L"hkt", 0, path);
    return path;
}
