#pragma once

#include <string>

// A string of a program's version resource in its first listed language, such as "ProductName";
// empty when the program has no such resource or value.
std::wstring ReadVersionString(const std::wstring& programPath, const std::wstring& name);

// The four numbers of the fixed file version, as "1.2.3.4"; empty without a version resource.
std::wstring ReadFixedFileVersion(const std::wstring& programPath);
