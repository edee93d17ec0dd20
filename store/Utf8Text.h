#pragma once

#include <string>
#include <string_view>

// Wide text as the data file holds it. Every element of a wide string is taken as one UTF-16
// code unit and encoded on its own, so a surrogate pair becomes two three-byte sequences.
std::string EncodeUtf8(const std::wstring& text);
// The same for one element, appended to bytes.
void AppendUtf8(std::string& bytes, wchar_t element);

// Lenient: never fails. A four-byte sequence of a character beyond U+FFFF, as other editors
// write it, becomes its surrogate pair; malformed bytes become U+FFFF, other four-byte sequences
// U+FFFD, and a sequence cut off by the end of the text is dropped.
std::wstring DecodeUtf8(std::string_view bytes);
// The same, appended to text.
void AppendDecodedUtf8(std::wstring& text, std::string_view bytes);
