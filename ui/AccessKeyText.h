#pragma once

#include <string>

// A caption marks its access key with "&" before the letter ("&Save"); "&&" stands for one "&".
// The words the user sees are the caption without the marks.
std::wstring RemoveAccessKeyMarks(const std::wstring& caption);

// The caption's words as one names what it stands for: without the marks, and without the key in
// brackets that scripts without Latin letters put after the words ("キャンセル(&C)" is "キャンセル").
std::wstring NameCaption(const std::wstring& caption);
