#include "WaveMessageSpy.h"

TWaveMessageSpy* TWaveMessageSpy::Current = nullptr;

TWaveMessageSpy::TWaveMessageSpy() {
    Returned.reserve(1000);
    Current = this;
    Hook = SetWindowsHookExW(WH_GETMESSAGE, &TWaveMessageSpy::WatchMessage, nullptr, GetCurrentThreadId());
}

TWaveMessageSpy::~TWaveMessageSpy() {
    UnhookWindowsHookEx(Hook);
    Current = nullptr;
}

std::vector<DWORD> TWaveMessageSpy::GetReturnedBytes(UINT message) const {
    std::vector<DWORD> bytes;
    for (const TReturnedBuffer& buffer : Returned) {
        if (buffer.Message == message) {
            bytes.push_back(buffer.Bytes);
        }
    }
    return bytes;
}

std::vector<ULONGLONG> TWaveMessageSpy::GetReturnTicks(UINT message) const {
    std::vector<ULONGLONG> ticks;
    for (const TReturnedBuffer& buffer : Returned) {
        if (buffer.Message == message) {
            ticks.push_back(buffer.Tick);
        }
    }
    return ticks;
}

LRESULT CALLBACK TWaveMessageSpy::WatchMessage(int code, WPARAM removal, LPARAM message) {
    const MSG* taken = reinterpret_cast<const MSG*>(message);
    // The reserve is never outgrown, so the hook allocates nothing.
    if (code == HC_ACTION && removal == PM_REMOVE && Current && Current->Returned.size() < Current->Returned.capacity()) {
        const WAVEHDR* header = reinterpret_cast<const WAVEHDR*>(taken->lParam);
        if (taken->message == MM_WOM_DONE) {
            Current->Returned.push_back({MM_WOM_DONE, header->dwBufferLength, GetTickCount64()});
        } else if (taken->message == MM_WIM_DATA) {
            Current->Returned.push_back({MM_WIM_DATA, header->dwBytesRecorded, GetTickCount64()});
        }
    }
    return CallNextHookEx(nullptr, code, removal, message);
}
