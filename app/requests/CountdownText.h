#pragma once

#include "store/DateTimeText.h"

#include <string>

// Copies a word of ASCII characters into narrow text; false for any other character, which no
// time, rule or keyword of the command line holds.
bool ReadAscii(const std::wstring& word, std::string& narrow);

// Whether the text is a countdown as the command line takes it, "H:MM:SS" to "HHHH:MM:SS": no
// sign, minutes and seconds below 60.
bool IsCountdown(const std::string& text);
