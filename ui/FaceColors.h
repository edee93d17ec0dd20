#pragma once

#include "ui/Window.h"

#include <windows.h>

// Answers a control's WM_CTLCOLORSTATIC for text that stands on the window's face: the system's
// button text colour (the grey of disabled text for a disabled control) on the face colour, read
// afresh each time so that a change of the system's colours shows at the next paint.
LRESULT ColorTextOnFace(HDC dc, HWND control);
// The same as a control's ProcessMessage: answers the WM_CTLCOLORSTATIC sent for that control and
// returns true, or returns false for every other message.
bool AnswerTextOnFaceColors(TMessage& message, HWND control);
