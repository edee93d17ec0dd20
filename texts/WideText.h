#pragma once

#include <string>

// Exception messages are narrow; what the user sees is wide.
std::wstring WidenUtf8(const std::string& text);
// A text for the user carried in an exception message.
std::string NarrowToUtf8(const std::wstring& text);
