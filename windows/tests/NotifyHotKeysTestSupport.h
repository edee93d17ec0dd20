#pragma once

#include "ui/Geometry.h"
#include "ui/Window.h"

#include "tests/support/LayoutCheck.h"
#include "tests/support/MessagePumping.h"

#include <windows.h>

#include <string>
#include <vector>

// Drives the windows as a user would: finds their controls by caption or class, clicks them and
// presses keys through the dialog handling of the message loop.

HWND FindTopLevelWindow(const std::wstring& title);
// The child button (push button or check box) that shows this caption (its access key's mark
// aside); null when there is none.
HWND FindButton(HWND window, const std::wstring& caption);
// The children of this class, top to bottom.
std::vector<HWND> FindChildrenByClass(HWND window, const std::wstring& className);
void Click(HWND button);
bool IsChecked(HWND checkBox);
// Posts a key press to the focused window (the window itself when nothing in it has the focus)
// and runs the message loop until it is handled.
void PressKey(const TDialogWindowList& dialogWindows, HWND window, WPARAM key);
HWND WaitForTopLevelWindow(const std::wstring& title, DWORD milliseconds);

std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
// The names in a folder, sorted.
std::vector<std::wstring> ListFolder(const std::wstring& folder);
