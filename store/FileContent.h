#pragma once

#include <string>

// Whole files as bytes, for small files such as the hot keys file and test data.
bool ReadFileContent(const std::wstring& path, std::string& content);
// Creates or truncates the file.
bool WriteFileContent(const std::wstring& path, const std::string& content);
// Writes the content beside the file and puts it in the file's place in one step: on failure the
// file keeps its old content whole.
bool ReplaceFileContent(const std::wstring& path, const std::string& content);
