#pragma once

#include <string>

// A caption marks its access key with "&" before the letter ("&Save"); "&&" stands for one "&".
// The words the user sees are the caption without the marks.
std::wstring RemoveAccessKeyMarks(const std::wstring& caption);
