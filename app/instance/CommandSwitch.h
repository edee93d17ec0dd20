#pragma once

#include <string>

// Whether the word is the switch of that name (lower case, without its mark) as people and
// scripts write it: "/add", "-add", "/ADD", "-Add".
bool IsSwitch(const std::wstring& word, const std::wstring& name);
