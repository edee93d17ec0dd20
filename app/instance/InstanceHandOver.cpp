#include "app/instance/InstanceHandOver.h"

#include "app/instance/ConsoleLine.h"
#include "app/instance/GlobalMutex.h"
#include "texts/Texts.h"

#include <windows.h>

namespace {

// The instance may wait about two seconds for another program that holds the data file.
const DWORD HandOverMilliseconds = 10000;
// An instance that holds the mutex shows its close-request window moments after it starts.
const DWORD InstanceStartMilliseconds = 5000;
const DWORD RetryPauseMilliseconds = 50;

enum class THandOver { Taken, Refused, Elevated, NoInstance };

THandOver HandOver(const std::wstring& closeRequestWindowTitle, std::uint32_t tag, std::string request) {
    HWND window = FindWindowW(nullptr, closeRequestWindowTitle.c_str());
    if (!window) {
        return THandOver::NoInstance;
    }
    COPYDATASTRUCT data{tag, static_cast<DWORD>(request.size()), &request[0]};
    DWORD_PTR answer = FALSE;
    SetLastError(ERROR_SUCCESS);
    const LRESULT delivered = SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                                  SMTO_ABORTIFHUNG, HandOverMilliseconds, &answer);
    if (delivered == 0 && GetLastError() == ERROR_ACCESS_DENIED) {
        return THandOver::Elevated;
    }
    if (delivered == 0 && !IsWindow(window)) {
        // The instance ended meanwhile.
        return THandOver::NoInstance;
    }
    return delivered != 0 && answer == TRUE ? THandOver::Taken : THandOver::Refused;
}

}  // namespace

// The mutex without the window is an instance that is starting, or another run that writes: the
// one shows its window soon, the other lets go.
TDelivery Deliver(const std::wstring& closeRequestWindowTitle, const std::wstring& mutexName, std::uint32_t tag,
                  const std::string& request, const std::function<void()>& withoutInstance) {
    const DWORD start = GetTickCount();
    for (;;) {
        switch (HandOver(closeRequestWindowTitle, tag, request)) {
        case THandOver::Taken:
            return TDelivery::Taken;
        case THandOver::Refused:
            return TDelivery::Refused;
        case THandOver::Elevated:
            return TDelivery::Elevated;
        default:
            break;
        }
        try {
            const TGlobalMutex mutex(mutexName);
            withoutInstance();
            return TDelivery::Taken;
        } catch (const TGlobalMutex::TException&) {
        }
        if (GetTickCount() - start > InstanceStartMilliseconds) {
            return TDelivery::Refused;
        }
        Sleep(RetryPauseMilliseconds);
    }
}

std::wstring JoinLines(const std::wstring& text) {
    std::wstring line;
    for (const wchar_t element : text) {
        if (element != L'\n') {
            line += element;
        } else if (!line.empty() && line.back() != L' ') {
            line += L' ';
        }
    }
    return line;
}

void ReportNotTaken(TDelivery delivery, const std::wstring& refusal) {
    WriteConsoleLine(delivery == TDelivery::Elevated ? LoadText(IDS_INSTANCE_ELEVATED) : refusal);
}
