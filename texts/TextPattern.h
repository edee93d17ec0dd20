#pragma once

#include <string>
#include <vector>

// Puts values into a text at its places "%1" to "%9", in whatever order the language wants
// them; "%%" stands for a percent sign. A place without a value is left empty, and any other "%"
// is kept as it stands.
std::wstring FillTextPattern(const std::wstring& pattern, const std::vector<std::wstring>& values);
