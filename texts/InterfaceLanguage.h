#pragma once

#include "texts/PluralForms.h"

#include <windows.h>

#include <string>
#include <vector>

// One language the program speaks: its string table, its help file and its plural rule.
struct TInterfaceLanguage {
    // The LANGUAGE of its string table.
    LANGID Resources;
    // Names its folder of texts and its help file ("de", "pt-BR"); empty for English, whose help
    // file is plain "Help.chm".
    std::wstring Tag;
    TPluralRule Plurals;
};

// English first: the language for every user whose language the program does not speak.
const std::vector<TInterfaceLanguage>& GetInterfaceLanguages();

// The first of the candidates (in the user's order of preference) that the program speaks:
// a language matches whatever its country, except that only Simplified Chinese is spoken.
const TInterfaceLanguage& FindInterfaceLanguage(const std::vector<LANGID>& candidates);

// The user's: the language of Windows' interface, then the user's list of preferred languages,
// then English. Chosen once, at the first call; the program follows no change while it runs.
const TInterfaceLanguage& GetInterfaceLanguage();
