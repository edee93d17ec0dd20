#pragma once

#include <string>

// What the user reads of a failure that a handler let out. The technical failures the program
// knows ("TSoundPlayer: unable to play sound") get a sentence in the user's language, with the
// technical message after it for whoever helps the user; any other message is shown as it
// stands: the program's own messages for the user are written in the user's language already.
std::wstring DescribeFailure(const std::string& message);
