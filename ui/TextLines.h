#pragma once

#include "ui/Geometry.h"

#include <windows.h>

#include <string>

// Texts may hold several lines separated by '\n'; later lines are spaced at 120 % of their height.
// A newline at the very end starts no further line, and an empty text has no lines.
TSize MeasureText(HDC dc, const std::wstring& text);
