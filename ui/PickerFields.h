#pragma once

#include <windows.h>

#include <array>
#include <string>

// The pickers exchange their values as three numbers joined by a separator ("2011.05.16",
// "22:53:00"). Reading stops at the first field that is not a number; the fields not read are 0
// and whatever follows is ignored.
std::array<WORD, 3> ReadPickerFields(const std::string& text, char separator);

// At least two digits: "05", "12", "2011".
std::string FormatPickerField(WORD value);
