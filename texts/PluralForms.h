#pragma once

#include <string>

// How a language chooses among the forms of a word that goes with a count. The forms of a
// counted text stand in the string table in the order given here, separated by "|"; the rules
// are the Unicode CLDR's for whole numbers.
enum class TPluralRule {
    // Japanese, Chinese: one form for every count.
    Single,
    // English, German, Spanish, Italian: 1 | every other count.
    OneOther,
    // French, Brazilian Portuguese: 0 and 1 | every other count.
    ZeroOneOther,
    // Russian: 1, 21, 31, ... but not 11 | 2-4, 22-24, ... but not 12-14 | every other count.
    EastSlavic,
    // Polish: 1 | 2-4, 22-24, ... but not 12-14 | every other count.
    Polish,
};

// The index of the form that goes with the count.
int SelectPluralForm(TPluralRule rule, long long count);

// The form for the count out of "first|second|..."; a text with fewer forms than the rule has
// gives its last one, so that a missing form shows a word rather than nothing.
std::wstring PickPluralForm(const std::wstring& forms, TPluralRule rule, long long count);
