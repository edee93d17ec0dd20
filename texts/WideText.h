#pragma once

#include <string>

// Exception messages are narrow; what the user sees is wide.
std::wstring WidenUtf8(const std::string& text);
