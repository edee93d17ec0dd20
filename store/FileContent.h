#pragma once

#include <string>

// Whole files as bytes, for small files such as test data.
bool ReadFileContent(const std::wstring& path, std::string& content);
// Creates or truncates the file.
bool WriteFileContent(const std::wstring& path, const std::string& content);
