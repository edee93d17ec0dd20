#pragma once

#include <windows.h>

#include <functional>

// Runs the thread's message loop, as the application would, until the condition holds or the
// time is up; returns whether the condition held.
bool PumpMessagesUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds);

void PumpMessagesFor(DWORD milliseconds);

// Milliseconds that a call takes.
ULONGLONG MeasureMilliseconds(const std::function<void()>& action);
