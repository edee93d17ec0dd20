#include "tests/support/UnixCommand.h"

#include <windows.h>

#include <fstream>
#include <vector>

namespace {

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::string EscapeForDoubleQuotes(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '"' || c == '\\') {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

// Wine hands the shell the server connection it made for it, in WINESERVERSOCKET and its
// companions; a "wine" that the shell starts would take that connection over, and hang in
// its first request whenever the server has let the half-started process go meanwhile.
const char ForgetWineStart[] = "unset WINESERVERSOCKET WINELOADERNOEXEC WINEPRELOADRESERVE; ";

bool Spawn(const std::string& shellCommand) {
    std::wstring line =
        L"Z:\\bin\\sh -c \"" + Widen(EscapeForDoubleQuotes(ForgetWineStart + shellCommand)) + L"\"";
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    if (info.hThread) {
        CloseHandle(info.hThread);
    }
    if (info.hProcess) {
        CloseHandle(info.hProcess);
    }
    return true;
}

}  // namespace

bool StartUnixCommand(const std::string& shellCommand) { return Spawn("(" + shellCommand + ") >/dev/null 2>&1 &"); }

int RunUnixCommand(const std::string& shellCommand, unsigned timeoutMilliseconds) {
    static unsigned counter = 0;
    const std::string marker =
        "/tmp/nudgely-unix-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    const std::wstring markerSeenFromWine = L"Z:" + Widen(marker);
    DeleteFileW(markerSeenFromWine.c_str());
    if (!Spawn("(" + shellCommand + ") >/dev/null 2>&1; echo $? > " + marker + ".part && mv " + marker + ".part " +
               marker)) {
        return -1;
    }
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMilliseconds) {
        std::ifstream status(markerSeenFromWine.c_str());
        int code = -1;
        if (status >> code) {
            status.close();
            DeleteFileW(markerSeenFromWine.c_str());
            return code;
        }
        // The calling thread's own windows must stay served: xdotool may wait for one of them.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return -1;
}

std::string GetUnixPath(const std::wstring& path) {
    using TGetUnixFileName = char*(CDECL*)(const wchar_t*);
    const auto getUnixFileName = reinterpret_cast<TGetUnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* const unixPath = getUnixFileName ? getUnixFileName(path.c_str()) : nullptr;
    if (!unixPath) {
        return std::string();
    }
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}
