#include "app/instance/GlobalMutex.h"

#include <windows.h>

struct TGlobalMutex::TRecord {
    HANDLE Handle = nullptr;
};

TGlobalMutex::TGlobalMutex(const std::wstring& name, unsigned long waitMilliseconds) : Record(new TRecord) {
    HANDLE handle = CreateMutexW(nullptr, FALSE, name.c_str());
    if (!handle) {
        throw TException();
    }
    // A mutex abandoned by an instance that was killed is the next one's all the same.
    const DWORD waited = WaitForSingleObject(handle, waitMilliseconds);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        CloseHandle(handle);
        throw TException();
    }
    Record->Handle = handle;
}

TGlobalMutex::~TGlobalMutex() {
    ReleaseMutex(Record->Handle);
    CloseHandle(Record->Handle);
}
