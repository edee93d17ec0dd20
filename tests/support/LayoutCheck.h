#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Checks of a window's layout as the user sees it: where its native controls lie.

// Every child window, at any depth.
std::vector<HWND> ListChildren(HWND window);
std::wstring ReadClassName(HWND window);
// A child's rectangle in its parent's client coordinates.
RECT GetChildRect(HWND child);
// Every visible child lies inside the client area and no two of them overlap; describes the first
// fault, or gives the empty text.
std::string DescribeLayoutFault(HWND window);

// Tells a window that it now shows at that DPI, as the system does when the window moves to a
// monitor of another scale: the suggested rectangle keeps its corner and scales its size.
void ChangeWindowDpi(HWND window, int fromDpi, int toDpi);
// Shows the window with show, then again at one and a half times its DPI: its client area and
// every child must grow by about as much, and the layout stay sound. Describes the first fault,
// or gives the empty text.
std::string DescribeDpiScalingFault(HWND window, const std::function<void()>& show);
