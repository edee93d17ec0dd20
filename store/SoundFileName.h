#pragma once

#include <cstdint>
#include <string>

// Voice notes live beside the data file as its path, ".sound." and a decimal number.
std::wstring MakeSoundFileName(const std::wstring& storePath, std::uint32_t number);

// Whether path is one of the store's own sound file names; a path read from the data file that
// is not must never make the store delete that file.
bool IsStoreSoundFileName(const std::wstring& storePath, const std::wstring& path);

// A number for a new voice note from the whole 32-bit range, random and mixed with the time, so
// that two PCs that record into one synced folder do not pick the same name.
std::uint32_t PickSoundFileNumber();

// The path a line's voice note has in the folder of the data file at storePath: the same file
// name there. Lines written on another PC, by another user or before a move name another folder.
std::wstring PlaceBesideStore(const std::wstring& storePath, const std::wstring& soundPath);
