#pragma once

#include "texts/InterfaceLanguage.h"
#include "texts/TextIds.h"

#include <string>
#include <vector>

// Every text the user reads comes from the string tables (one file a language, under texts/),
// in the user's interface language; a text the language's table lacks is taken from English.

std::wstring LoadText(int id);
// The text with its places %1, %2, ... filled with the values.
std::wstring FormatText(int id, const std::vector<std::wstring>& values);
// A text whose forms ("|"-separated, in the order of the language's plural rule) go with a
// count: the form for the count, with %1 the count written out and %2 ... the further values.
std::wstring FormatCountedText(int id, long long count, const std::vector<std::wstring>& furtherValues = {});

// The text as that language's own table has it; empty when the table lacks it.
std::wstring FindTableText(int id, const TInterfaceLanguage& language);
