#include "app/GlobalMutex.h"

#include <windows.h>

struct TGlobalMutex::TRecord {
    HANDLE Handle = nullptr;
};

TGlobalMutex::TGlobalMutex(const std::wstring& name, unsigned long waitMilliseconds) : Record(new TRecord) {
    HANDLE handle = CreateMutexW(nullptr, FALSE, name.c_str());
    if (!handle) {
        throw TException();
    }
    if (WaitForSingleObject(handle, waitMilliseconds) != WAIT_OBJECT_0) {
        CloseHandle(handle);
        throw TException();
    }
    Record->Handle = handle;
}

TGlobalMutex::~TGlobalMutex() {
    ReleaseMutex(Record->Handle);
    CloseHandle(Record->Handle);
}
