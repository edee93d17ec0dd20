#pragma once

#include <windows.h>

#include <string>

// Drives another program's windows as a user would: real mouse clicks and key presses on the X
// server (xdotool), window lookups through the system.

// The visible top-level window of that process with that exact title; waits up to the time.
HWND WaitForVisibleWindow(DWORD processId, const std::wstring& title, DWORD milliseconds);
bool WaitUntilHidden(HWND window, DWORD milliseconds);

// A child control of a window by its class (case-insensitive) and, when given, the text it shows
// (its exact text without access key marks).
HWND FindControl(HWND parent, const std::wstring& className, const std::wstring& text = L"");

// Moves the mouse to the middle of the window (or to an offset from its top-left corner) and
// clicks there with the given button (1 left, 3 right).
bool ClickWindow(HWND window, int button = 1);
bool ClickAt(int x, int y, int button = 1);
// Holds the left button down on the window for the time, then lets go.
bool HoldMouseOn(HWND window, DWORD milliseconds);

// Types text or presses keys (xdotool names: "ctrl+alt+n", "Tab") into whatever has the focus.
bool TypeText(const std::string& text);
bool PressKeys(const std::string& keys);
// Gives the X keyboard focus to a window of this process (global hot keys need a focused Wine window).
bool FocusWindow(HWND window);
