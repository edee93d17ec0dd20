#pragma once

#include "ui/Window.h"

#include <windows.h>

// For a control's ProcessMessage: answers the WM_CTLCOLORSTATIC sent for that control, for text
// that stands on the window's face, and returns true; returns false for every other message. The
// colours are the system's button text colour (the grey of disabled text for a disabled control)
// on the face colour, read afresh each time so that a change of the system's colours shows at the
// next paint.
bool AnswerTextOnFaceColors(TMessage& message, HWND control);
