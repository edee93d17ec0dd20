#include "app/instance/CloseRequest.h"

#include <windows.h>

namespace {

class TProcessHandle {
public:
    explicit TProcessHandle(HANDLE handle) : Handle(handle) {}
    ~TProcessHandle() {
        if (Handle) {
            CloseHandle(Handle);
        }
    }
    TProcessHandle(const TProcessHandle&) = delete;
    TProcessHandle& operator=(const TProcessHandle&) = delete;

    HANDLE Get() const { return Handle; }

private:
    HANDLE Handle;
};

}  // namespace

int SendCloseRequest(const std::wstring& closeRequestWindowTitle) {
    HWND window = FindWindowW(nullptr, closeRequestWindowTitle.c_str());
    if (!window) {
        return 0;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    TProcessHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    if (!process.Get()) {
        return 1;
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.Get(), 2000);
    return 0;
}

// A refusal changes nothing for an instance that is not elevated, so it is not reported.
void AcceptCloseRequestsFromAnyProcess(HWND closeRequestWindow) {
    ChangeWindowMessageFilterEx(closeRequestWindow, WM_CLOSE, MSGFLT_ALLOW, nullptr);
}
