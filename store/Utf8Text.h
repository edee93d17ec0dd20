#pragma once

#include <string>

// Wide text as the data file holds it. Every element of a wide string is taken as one UTF-16
// code unit and encoded on its own, so a surrogate pair becomes two three-byte sequences.
std::string EncodeUtf8(const std::wstring& text);

// Lenient: never fails. Malformed bytes become U+FFFF, four-byte sequences U+FFFD, and a
// sequence cut off by the end of the text is dropped.
std::wstring DecodeUtf8(const std::string& bytes);
