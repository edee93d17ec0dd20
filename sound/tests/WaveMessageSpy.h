#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <vector>

// Watches, through a thread message hook, the buffers that sound devices hand back to this thread:
// each MM_WOM_DONE with the bytes it held and each MM_WIM_DATA with the bytes recorded into it,
// in the order the thread takes them from its queue (the devices' own stopping loops included).
class TWaveMessageSpy {
public:
    struct TReturnedBuffer {
        UINT Message;
        DWORD Bytes;
        ULONGLONG Tick;
    };

    TWaveMessageSpy();
    ~TWaveMessageSpy();
    TWaveMessageSpy(const TWaveMessageSpy&) = delete;
    TWaveMessageSpy& operator=(const TWaveMessageSpy&) = delete;

    std::vector<DWORD> GetReturnedBytes(UINT message) const;
    std::vector<ULONGLONG> GetReturnTicks(UINT message) const;

private:
    static LRESULT CALLBACK WatchMessage(int code, WPARAM removal, LPARAM message);

    static TWaveMessageSpy* Current;
    std::vector<TReturnedBuffer> Returned;
    HHOOK Hook;
};
