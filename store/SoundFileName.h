#pragma once

#include <cstdint>
#include <string>

// Voice notes live beside the data file as its path, ".sound." and a decimal number.
std::wstring MakeSoundFileName(const std::wstring& storePath, std::uint32_t number);

// Whether path is one of the store's own sound file names; a path read from the data file that
// is not must never make the store delete that file.
bool IsStoreSoundFileName(const std::wstring& storePath, const std::wstring& path);
