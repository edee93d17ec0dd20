#pragma once

#include "ui/Geometry.h"

#include <windows.h>

#include <string>

// How each control turns the extent of a text into the size it asks its window for. Every
// measurement borrows the named window's device context (null: the screen) for its duration and
// measures in that window's font, the one it draws with.

// Buttons, check boxes and radio items: room for the caption's words (its access key's mark takes
// no room) and four more letters, and a half line of air; measured on the owner window.
TSize GetCaptionedControlSize(HWND owner, const std::wstring& caption);

// Date and time pickers, measured on the picker itself with a sample of its widest text.
TSize GetPickerSize(HWND picker, const std::wstring& sample);

// Edit boxes and hot key fields, measured on the field itself with a sample of its text.
TSize GetFieldSize(HWND field, const std::wstring& sample);

// Labels and links: just the text's extent on the screen, in the owner window's font.
TSize GetScreenTextSize(HWND owner, const std::wstring& text);
