#pragma once

#include "ui/Window.h"

#include "tests/support/MessagePumping.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Works the program's windows through their native controls, as a user would.

// A top-level window of this program by its title; null when there is none.
HWND FindProgramWindow(const std::wstring& title);
// The child controls of a window class ("button", "edit", "SysDateTimePick32"), in creation order.
std::vector<HWND> FindControls(HWND window, const std::wstring& className);
// The control of that class that shows that caption (its access key's mark aside); the test
// fails when there is none.
HWND FindControl(HWND window, const std::wstring& className, const std::wstring& caption);
HWND FindButton(HWND window, const std::wstring& caption);
std::wstring ReadText(HWND window);

void Click(HWND button);
// Presses the mouse button on a control and keeps it down, or lets it go.
void PressMouse(HWND control);
void ReleaseMouse(HWND control);
// Replaces the text of an edit box as typing would: the box reports the change to its window.
void TypeText(HWND edit, const std::wstring& text);
void SetPickerTime(HWND picker, WORD hour, WORD minute, WORD second);
void SetPickerDate(HWND picker, WORD year, WORD month, WORD day);
SYSTEMTIME ReadPicker(HWND picker);
// A key pressed on the control that has the focus, through the dialog key handling of the
// program's message loop.
void PressKey(const TDialogWindowList& dialogWindows, WPARAM key);
// Runs the message loop until the condition holds or the time is up; returns whether it held.

// The report-style list of a window.
int CountRows(HWND list);
std::wstring ReadCell(HWND list, int row, int column);
// The selected row; -1 for none.
int GetSelectedRow(HWND list);
void ClickRow(HWND list, int row);
// A click on the empty space at the bottom of the list.
void ClickBelowRows(HWND list);
void DoubleClickRow(HWND list, int row);
