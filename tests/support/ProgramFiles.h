#pragma once

#include <filesystem>
#include <string>

// The program's data folder (%APPDATA%\Nudgely) of the user the tests run as.
std::filesystem::path GetDataFolder();

std::string ReadWholeFile(const std::filesystem::path& path);
// Replaces the file's content; makes its folder when missing.
void WriteWholeFile(const std::filesystem::path& path, const std::string& content);
