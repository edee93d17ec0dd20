#pragma once

#include <windows.h>

#include <functional>

// How long a stopping sound device may take to give back its buffers.
const DWORD DeviceStopTimeoutMilliseconds = 2000;

// While a sound device stops, only its own notifications are pumped: messages of other windows
// wait for the application's loop. The wait is bounded, so that a device that never gives its
// buffers back cannot hang the program. Returns whether finished() came true in time. A quit
// request met on the way does not cut the wait short; it is put back for the application's loop.
bool PumpDeviceMessagesUntil(HWND window, UINT firstMessage, UINT lastMessage, const std::function<bool()>& finished,
                             DWORD timeoutMilliseconds);
